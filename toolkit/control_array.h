#pragma once

#include <map>
#include <memory>
#include <utility>

namespace corvane::platform {

// Controls that share one name and are told apart by an index, as Master(0) to Master(2). The
// indices need not be contiguous. An event handler learns its element's index by capturing it
// when the element is created.
template <class T>
class ControlArray {
 public:
  // Creates the element at index (replacing none: an existing element is returned as it is).
  template <class... Args>
  T& Load(int index, Args&&... args) {
    auto it = items_.find(index);
    if (it == items_.end()) {
      it = items_.emplace(index, std::make_unique<T>(std::forward<Args>(args)...)).first;
    }
    return *it->second;
  }

  // The element at index; nullptr when there is none, where indexing a missing element would be
  // an error.
  T* Find(int index) const {
    auto it = items_.find(index);
    return it == items_.end() ? nullptr : it->second.get();
  }
  T& operator()(int index) const { return *items_.at(index); }

 private:
  std::map<int, std::unique_ptr<T>> items_;
};

}  // namespace corvane::platform
