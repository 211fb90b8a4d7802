# pugixml, the XML library of the converter, as the target pugixml::pugixml.
# On Linux it is Debian's libpugixml-dev, its shared library, which the
# Debian package then depends on by its shlibdeps. Debian has no MinGW build
# of it, so the Windows builds compile Debian's source of the same version
# (unpacked by scripts/pugixml-source.sh) into a static library, linked into
# the static Korrin.exe.
if(NOT WIN32)
  find_package(pugixml 1.13 REQUIRED CONFIG)
  return()
endif()

set(KORRIN_PUGIXML_SOURCE_DIR "" CACHE PATH
  "Debian's unpacked pugixml source for the Windows builds (scripts/build-windows.sh sets it)")
if(NOT EXISTS "${KORRIN_PUGIXML_SOURCE_DIR}/src/pugixml.cpp")
  message(FATAL_ERROR "KORRIN_PUGIXML_SOURCE_DIR='${KORRIN_PUGIXML_SOURCE_DIR}' holds no src/pugixml.cpp: "
    "configure the Windows builds with scripts/build-windows.sh")
endif()
add_library(pugixml STATIC ${KORRIN_PUGIXML_SOURCE_DIR}/src/pugixml.cpp)
target_include_directories(pugixml SYSTEM PUBLIC ${KORRIN_PUGIXML_SOURCE_DIR}/src)
add_library(pugixml::pugixml ALIAS pugixml)
