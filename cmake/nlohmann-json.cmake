# nlohmann-json, the JSON library of the converter (TI's product metadata),
# as the target nlohmann_json::nlohmann_json: Debian's nlohmann-json3-dev,
# headers alone. The Windows builds take the same headers, through a folder
# of the build that holds only them, since adding the whole /usr/include
# would put Linux's C headers before MinGW's own.
if(NOT WIN32)
  find_package(nlohmann_json 3.11 REQUIRED CONFIG)
  return()
endif()

find_path(KORRIN_NLOHMANN_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT KORRIN_NLOHMANN_JSON_INCLUDE)
  message(FATAL_ERROR "No nlohmann/json.hpp in /usr/include: install nlohmann-json3-dev")
endif()
set(headers ${CMAKE_BINARY_DIR}/nlohmann-json-include)
file(MAKE_DIRECTORY ${headers})
file(CREATE_LINK ${KORRIN_NLOHMANN_JSON_INCLUDE}/nlohmann ${headers}/nlohmann SYMBOLIC)
add_library(nlohmann_json INTERFACE)
target_include_directories(nlohmann_json SYSTEM INTERFACE ${headers})
add_library(nlohmann_json::nlohmann_json ALIAS nlohmann_json)
