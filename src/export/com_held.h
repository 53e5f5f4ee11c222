// A COM interface held for the length of a scope: released when it goes.
#pragma once

template <typename T>
struct Held {
  T *p = nullptr;
  ~Held() {
    if (p) p->Release();
  }
  T **operator&() { return &p; }
  T *operator->() const { return p; }
};
