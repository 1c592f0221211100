#pragma once

// A non-owning reference to a callable, used to hand a function of the
// caller's choosing to the numerical routines (integrands, objective
// functions, zero-finder targets) without allocating.
//
// The referenced callable must outlive the FunctionRef; routine arguments
// satisfy that, since a temporary lambda lives until the call returns.

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace quelm {

template <class Signature>
class FunctionRef;

template <class R, class... Args>
class FunctionRef<R(Args...)> {
public:
    // A plain function (or function pointer).
    FunctionRef(R (*function)(Args...)) noexcept  // NOLINT: implicit by design
        : function_(function), invoke_([](const FunctionRef& self, Args... args) -> R {
              return self.function_(std::forward<Args>(args)...);
          }) {}

    // Any other callable object, lambdas included.
    template <class Callable>
    requires(!std::is_same_v<std::remove_cvref_t<Callable>, FunctionRef> &&
             !std::is_function_v<std::remove_reference_t<Callable>> && std::is_invocable_r_v<R, Callable&, Args...>)
        FunctionRef(Callable&& callable)
    noexcept  // NOLINT: implicit by design
        : object_(const_cast<void*>(static_cast<const void*>(std::addressof(callable)))),
          invoke_([](const FunctionRef& self, Args... args) -> R {
              using Target = std::remove_reference_t<Callable>;
              return std::invoke(*static_cast<Target*>(self.object_), std::forward<Args>(args)...);
          }) {}

    R operator()(Args... args) const { return invoke_(*this, std::forward<Args>(args)...); }

private:
    union {
        void* object_;
        R (*function_)(Args...);
    };
    R (*invoke_)(const FunctionRef&, Args...);
};

}  // namespace quelm
