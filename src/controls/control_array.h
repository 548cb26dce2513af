#pragma once
#include <cstdint>
#include <map>
#include <memory>

#include "base/runtime_error.h"

namespace zw {

// A control array: elements addressed by a 16-bit index, not necessarily contiguous.
template <typename T> class ControlArray {
public:
    T& Add(std::unique_ptr<T> element) {
        const int index = element->Index();
        if (index < INT16_MIN || index > INT16_MAX || elements_.count(index) != 0)
            throw RuntimeError(errors::ObjectAlreadyLoaded);
        T& ref = *element;
        elements_.emplace(index, std::move(element));
        return ref;
    }

    bool Exists(int index) const { return elements_.count(index) != 0; }

    T& operator()(int index) const {
        auto it = elements_.find(index);
        if (it == elements_.end())
            throw RuntimeError(errors::ControlArrayElementMissing,
                               "Control array element '" + std::to_string(index) + "' doesn't exist");
        return *it->second;
    }

    int Count() const { return static_cast<int>(elements_.size()); }
    int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
    int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }

    // Elements in increasing index order.
    template <typename F> void ForEach(F&& f) const {
        for (auto& [index, element] : elements_)
            f(*element);
    }

private:
    std::map<int, std::unique_ptr<T>> elements_;
};

} // namespace zw
