#pragma once
#include <QObject>
#include <QPointer>

#include <functional>
#include <utility>

// What runs when an asynchronous call of the platform is over. Bound to a QObject, it
// never runs once that object is gone: a reply that arrives after its receiver was
// destroyed is dropped.
template <typename... Args>
class Suite {
public:
    Suite() = default;
    Suite(std::function<void(Args...)> f) : f_(std::move(f)) {}
    Suite(QObject* contexte, std::function<void(Args...)> f)
        : contexte_(contexte), lie_(contexte != nullptr), f_(std::move(f))
    {
    }

    void operator()(Args... args) const
    {
        if (f_ && (!lie_ || contexte_))
            f_(std::forward<Args>(args)...);
    }
    explicit operator bool() const { return bool(f_); }

private:
    QPointer<QObject> contexte_;
    bool lie_ = false;
    std::function<void(Args...)> f_;
};
