#ifndef KORRIN_MOTOR_EXAMPLE_H
#define KORRIN_MOTOR_EXAMPLE_H

#include <string>
#include <vector>

// The project 'motor' from 'C:\ti\motor\' with the configurations Debug
// (an include folder and two definitions) and Release (none), written into
// 'C:\work\out': what Korrin prints and writes for it on every host.
namespace motor_example {

using Lines = std::vector<std::string>;

inline const Lines consoleLines{"Creating Corvel/Corvel++ Project ...",
                                "  Creating Group - motor",
                                "  Creating Group - Debug",
                                "  Creating Analyser Personality - C:\\work\\out\\motor\\Debug\\person\\Debug.p_a",
                                "  Creating Group - Release",
                                "Corvel/Corvel++ Project Completed!"};

inline const Lines projectLines{"VersionTag45",
                                "StartProjectMarker",
                                "FolderName=motor",
                                "SourcePath=C:\\ti\\motor\\",
                                "OutputPath=C:\\work\\out\\motor\\output\\",
                                "SubsPers=C:\\work\\out\\person\\motor.p_s",
                                "AnalPers=C:\\work\\out\\person\\motor.p_a",
                                "CompPers=C:\\work\\out\\person\\motor.p_c",
                                "EndContainedFilesMarker",
                                "StartSubProjectMarker",
                                "StartProjectMarker",
                                "FolderName=Debug",
                                "SourcePath=C:\\ti\\motor\\",
                                "OutputPath=C:\\work\\out\\motor\\Debug\\output\\",
                                "SubsPers=C:\\work\\out\\person\\motor.p_s",
                                "AnalPers=C:\\work\\out\\motor\\Debug\\person\\Debug.p_a",
                                "CompPers=C:\\work\\out\\person\\motor.p_c",
                                "C:\\ti\\motor\\main.c",
                                "C:\\ti\\motor\\pwm.c",
                                "EndContainedFilesMarker",
                                "StartProjectMarker",
                                "FolderName=Release",
                                "SourcePath=C:\\ti\\motor\\",
                                "OutputPath=C:\\work\\out\\motor\\Release\\output\\",
                                "SubsPers=C:\\work\\out\\person\\motor.p_s",
                                "AnalPers=C:\\work\\out\\person\\motor.p_a",
                                "CompPers=C:\\work\\out\\person\\motor.p_c",
                                "C:\\ti\\motor\\main.c",
                                "C:\\ti\\motor\\pwm.c",
                                "EndContainedFilesMarker",
                                "EndSubProjectMarker"};

inline const Lines debugPersonalityLines{"-i \"C:\\ti\\include\"", "-d \"DEBUG\"", "-d \"LEVEL=2\""};

// Below 'C:\work\out', as listed by listTree.
inline const Lines tree{"motor.prj",
                        "motor/",
                        "motor/Debug/",
                        "motor/Debug/output/",
                        "motor/Debug/person/",
                        "motor/Debug/person/Debug.p_a",
                        "motor/Release/",
                        "motor/Release/output/",
                        "motor/Release/person/",
                        "motor/output/",
                        "motor/person/",
                        "person/",
                        "person/motor.p_a",
                        "person/motor.p_c",
                        "person/motor.p_s"};

inline const Lines emptyPersonalities{"person/motor.p_a", "person/motor.p_c", "person/motor.p_s"};

}  // namespace motor_example

#endif
