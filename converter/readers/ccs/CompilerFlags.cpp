#include "readers/ccs/CompilerFlags.h"

#include <string_view>

#include "base/PathText.h"
#include "readers/ccs/XmlFile.h"

namespace {

enum class Form {
    Setting,  // "--name=" and the setting
    Switch,   // the flag when the option is on
    Dialect,  // "--" and the setting, "CPP03" as "--c++03"
};

struct KeyFlag {
    const char* key;
    const char* flag;
    Form form;
};

// TI's compilers, their clang-based ARM compiler and GNU's, as CCS names
// their options.
const KeyFlag keyFlags[] = {
    {"SILICON_VERSION", "--silicon_version=", Form::Setting},
    {"FLOAT_SUPPORT", "--float_support=", Form::Setting},
    {"ABI", "--abi=", Form::Setting},
    {"CODE_STATE", "--code_state=", Form::Setting},
    {"LARGE_MEMORY_MODEL", "--large_memory_model", Form::Switch},
    {"UNIFIED_MEMORY", "--unified_memory", Form::Switch},
    {"CLA_SUPPORT", "--cla_support=", Form::Setting},
    {"TMU_SUPPORT", "--tmu_support=", Form::Setting},
    {"VCU_SUPPORT", "--vcu_support=", Form::Setting},
    {"DATA_MODEL", "--data_model=", Form::Setting},
    {"CODE_MODEL", "--code_model=", Form::Setting},
    {"MEMORY_MODEL", "--memory_model=", Form::Setting},
    {"LITTLE_ENDIAN", "--little_endian", Form::Switch},
    {"BIG_ENDIAN", "--big_endian", Form::Switch},
    {"GCC", "--gcc", Form::Switch},
    {"C_DIALECT", "--", Form::Dialect},
    {"CPP_DIALECT", "--", Form::Dialect},
    {"STD_C", "-std=", Form::Setting},
    {"STD_CPP", "-std=", Form::Setting},
    {"MCPU", "-mcpu=", Form::Setting},
    {"MARCH", "-march=", Form::Setting},
    {"MFLOAT_ABI", "-mfloat-abi=", Form::Setting},
    {"MFPU", "-mfpu=", Form::Setting},
    {"MMCU", "-mmcu=", Form::Setting},
};

// Short forms of TI's compilers and what they stand for.
const std::pair<const char*, const char*> shortFlags[] = {
    {"-mv", "--silicon_version="}, {"-v", "--silicon_version="}, {"-ml", "--large_memory_model"},
    {"-mt", "--unified_memory"},   {"-me", "--little_endian"},   {"-pr", "--relaxed_ansi"},
    {"-ps", "--strict_ansi"},
};

// The setting of an enumerated option is the last part of its id:
// '...compilerID.SILICON_VERSION.28' is "28".
std::string settingOf(const pugi::xml_node& option) {
    std::string value = option.attribute("value").as_string();
    if (std::string_view(option.attribute("valueType").as_string()) == "enumerated")
        value = value.substr(value.rfind('.') + 1);
    return value;
}

std::string dialectFlag(std::string setting) {
    setting = lowerCase(setting);
    if (startsWith(setting, "cpp"))
        setting.replace(0, 3, "c++");
    return "--" + setting;
}

const KeyFlag* keyFlagOf(std::string_view superClass) {
    const std::string_view key = superClass.substr(superClass.rfind('.') + 1);
    for (const KeyFlag& known : keyFlags)
        if (key == known.key)
            return &known;
    return nullptr;
}

}  // namespace

std::vector<std::string> optionSettings(const pugi::xml_node& option) {
    std::vector<std::string> settings;
    if (option.child("listOptionValue")) {
        for (const pugi::xml_node& value : option.children("listOptionValue"))
            settings.push_back(trimmed(value.attribute("value").as_string()));
    } else {
        settings.push_back(trimmed(settingOf(option)));
    }
    return settings;
}

std::vector<std::string> compilerFlags(const pugi::xml_node& option) {
    const KeyFlag* known = keyFlagOf(option.attribute("superClass").as_string());
    if (known == nullptr)
        return {};
    std::vector<std::string> flags;
    for (const std::string& setting : optionSettings(option)) {
        if (known->form == Form::Switch && setting == "true")
            flags.emplace_back(known->flag);
        else if (known->form == Form::Dialect && !setting.empty())
            flags.push_back(dialectFlag(setting));
        else if (known->form == Form::Setting && !setting.empty())
            flags.push_back(known->flag + setting);
    }
    return flags;
}

std::string longFlag(const std::string& flag) {
    for (const auto& [shortForm, longForm] : shortFlags) {
        const std::string_view form = shortForm;
        const bool takesSetting = std::string_view(longForm).back() == '=';
        if (!startsWith(flag, form))
            continue;
        if (takesSetting && flag.size() > form.size())
            return longForm + flag.substr(form.size());
        if (!takesSetting && flag.size() == form.size())
            return longForm;
    }
    return flag;
}
