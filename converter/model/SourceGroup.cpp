#include "model/SourceGroup.h"

#include <utility>

SourceGroup::SourceGroup(const std::string& name, const ProjectConverter* converter)
    : name(name), converter(converter) {}

SourceGroup& SourceGroup::addChild(SourceGroup group) {
    SourceGroup& child = children.emplace_back(std::move(group));
    childrenByName.emplace(child.name, &child);
    return child;
}

SourceGroup* SourceGroup::findChild(const std::string& childName) {
    auto child = childrenByName.find(childName);
    return child == childrenByName.end() ? nullptr : child->second;
}
