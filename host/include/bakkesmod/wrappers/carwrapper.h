#pragma once

class CarWrapper {
public:
    explicit CarWrapper(bool exists = false) : exists_(exists) {}
    bool IsNull() const { return !exists_; }
    explicit operator bool() const { return exists_; }

private:
    bool exists_;
};
