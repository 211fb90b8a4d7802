#include "model/SourceGroup.h"

#include <utility>

SourceGroup::SourceGroup(std::string name) : name(std::move(name)) {}

SourceList SourceGroup::takeFiles() { return std::exchange(files, SourceList()); }

SourceGroup& SourceGroup::addChild(SourceGroup group) {
    SourceGroup& child = children.emplace_back(std::move(group));
    childrenByName.emplace(child.name, &child);
    return child;
}

SourceGroup* SourceGroup::findChild(const std::string& childName) {
    auto child = childrenByName.find(childName);
    return child == childrenByName.end() ? nullptr : child->second;
}

std::map<std::string, Definition> SourceGroup::definitionsByName() const {
    std::map<std::string, Definition> inForce;
    for (const Definition& definition : definitions)
        inForce[definition.name] = definition;
    return inForce;
}
