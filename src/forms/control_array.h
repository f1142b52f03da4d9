// A control array: members known by index, created and removed at run time.
// A loaded member copies the properties of the array's lowest member, is
// placed in the same container, and starts hidden.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "forms/control.h"

namespace forms {

template <class T>
class ControlArray {
public:
    explicit ControlArray(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }

    // The member at `i`; throws RuntimeError when there is none.
    T& operator()(int i) const {
        auto it = members_.find(i);
        if (it == members_.end())
            throw RuntimeError("Control array element '" + std::to_string(i) + "' doesn't exist in " +
                               name_);
        return *it->second;
    }
    bool Exists(int i) const { return members_.count(i) != 0; }
    int Count() const { return static_cast<int>(members_.size()); }
    int LBound() const { return members_.empty() ? 0 : members_.begin()->first; }
    int UBound() const { return members_.empty() ? -1 : members_.rbegin()->first; }

    // Adds a member built by the window description (not a run-time load).
    T& add(std::unique_ptr<T> member) {
        T& ref = *member;
        members_[member->Index()] = std::move(member);
        return ref;
    }

    // Creates member `i` as a copy of the lowest member, hidden. Throws
    // RuntimeError when it exists already or the array is empty.
    T& Load(int i) {
        if (Exists(i)) throw RuntimeError("Object already loaded: " + name_ + "(" + std::to_string(i) + ")");
        if (members_.empty()) throw RuntimeError("Empty control array " + name_);
        const T& lowest = *members_.begin()->second;
        auto member = std::make_unique<T>(name_, i);
        member->attach(lowest.Container());
        member->copyFrom(lowest);
        member->setVisible(false);
        T& ref = *member;
        members_[i] = std::move(member);
        return ref;
    }

    // Removes member `i`; a member of the description cannot be removed.
    void Unload(int i) {
        auto it = members_.find(i);
        if (it == members_.end()) throw RuntimeError("Control array element doesn't exist");
        members_.erase(it);
    }

    // Iteration in index order.
    auto begin() const { return members_.begin(); }
    auto end() const { return members_.end(); }

private:
    std::string name_;
    std::map<int, std::unique_ptr<T>> members_;
};

}  // namespace forms
