#pragma once

namespace holdsheet {

// The instance of T that the composition root created and handed out, or null. Only the
// composition root sets it; tests build their own instances and leave it alone. An instance
// that goes away takes itself out.
template <typename T>
class SharedInstance {
  public:
    static T* shared() { return instance_; }
    static void setShared(T* instance) {
        instance_ = instance;
        owner_ = instance;
    }

  protected:
    SharedInstance() = default;
    ~SharedInstance() {
        if (owner_ == this) {
            instance_ = nullptr;
            owner_ = nullptr;
        }
    }

  private:
    static inline T* instance_ = nullptr;
    static inline const SharedInstance* owner_ = nullptr;  // the same object, seen from here
};

}  // namespace holdsheet
