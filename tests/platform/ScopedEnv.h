#pragma once
// Sets or unsets an environment variable for one scope and puts it back after.
#include <QByteArray>
#include <optional>

class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<QByteArray> value) : name_(name)
    {
        if (qEnvironmentVariableIsSet(name))
            old_ = qgetenv(name);
        Apply(value);
    }
    ~ScopedEnv() { Apply(old_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Apply(const std::optional<QByteArray>& value)
    {
        if (value)
            qputenv(name_, *value);
        else
            qunsetenv(name_);
    }

    const char* name_;
    std::optional<QByteArray> old_;
};
