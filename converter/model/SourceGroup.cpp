#include "model/SourceGroup.h"

#include <utility>

SourceGroup::SourceGroup(const std::string& name, const ProjectConverter* converter)
    : name(name), converter(converter) {}

SourceGroup& SourceGroup::addChild(SourceGroup group) {
    children.push_back(std::move(group));
    return children.back();
}

SourceGroup* SourceGroup::findChild(const std::string& childName) {
    for (SourceGroup& child : children)
        if (child.name == childName)
            return &child;
    return nullptr;
}
