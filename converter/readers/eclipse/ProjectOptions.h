#ifndef KORRIN_PROJECT_OPTIONS_H
#define KORRIN_PROJECT_OPTIONS_H

#include <string>

// What .ccsproject recorded when the project was made: the device and the
// compiler's version, for the configurations that name neither, and the
// products the project uses.
struct ProjectOptions {
    std::string device;           // as CCS writes a device id: 'Cortex M.TM4C123GH6PM'
    std::string compilerVersion;  // "15.12.3.LTS"
    std::string products;         // 'com.ti.SIMPLELINK_CC13X2_26X2_SDK:4.30.0.54;'
};

// The options of the project folder's .ccsproject; none when it has none.
// Throws ConversionError as readXmlFile does.
ProjectOptions readProjectOptions(const std::string& folder);

#endif
