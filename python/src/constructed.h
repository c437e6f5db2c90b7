// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The C++ object of a bound class, handed to a binding only once its
// constructor has run. Python can make an instance without running
// __init__ (cls.__new__(cls), or a pickle naming the class with no state);
// pybind11 would then hand the methods uninitialised storage. Every binding
// takes its object as Constructed<T>, so that such an instance raises
// TypeError naming its class instead.

#include <pybind11/pybind11.h>

#include <string>
#include <typeinfo>
#include <utility>

namespace solva::python {

// The object of `self`, which must be an instance of the bound class T (the
// caster below checks that first). Throws TypeError naming the instance's
// class if its constructor never ran.
template <class T> T& constructedObject(pybind11::handle self) {
    auto* instance = reinterpret_cast<pybind11::detail::instance*>(self.ptr());
    const pybind11::detail::value_and_holder held =
        instance->get_value_and_holder(pybind11::detail::get_type_info(typeid(T)));
    if (!held.holder_constructed()) {
        const std::string name =
            pybind11::type::handle_of(self).attr("__name__").template cast<std::string>();
        throw pybind11::type_error(name + " object was made without running its constructor, so "
                                          "it holds no value");
    }
    return *held.template value_ptr<T>();
}

// An argument of the bound class T, checked by constructedObject.
template <class T> class Constructed {
public:
    T& operator*() const { return *object_; }
    T* operator->() const { return object_; }
    // The Python object, for bindings that hand it on.
    pybind11::handle handle() const { return handle_; }

private:
    friend struct pybind11::detail::type_caster<Constructed<T>>;
    T* object_ = nullptr;
    pybind11::handle handle_;
};

// A value-returning const member function of T, bound as a function of a
// Constructed<T>.
template <class T, class R> auto checkedMember(R (T::*get)() const) {
    return [get](Constructed<T> self) { return ((*self).*get)(); };
}

// A function of a T and further arguments, bound as a function of a
// Constructed<T> and the same arguments.
template <class T, class R, class... Args> auto checked(R (*function)(const T&, Args...)) {
    return [function](Constructed<T> self, Args... args) {
        return function(*self, std::forward<Args>(args)...);
    };
}

} // namespace solva::python

namespace pybind11::detail {

// Loads only instances of T (so that overloads and signatures are as for T
// itself) and checks them as the loading of the object itself.
template <class T> struct type_caster<solva::python::Constructed<T>> {
    PYBIND11_TYPE_CASTER(solva::python::Constructed<T>, make_caster<T>::name);

    bool load(handle source, bool) {
        if (!isinstance<T>(source)) {
            return false;
        }
        value.object_ = &solva::python::constructedObject<T>(source);
        value.handle_ = source;
        return true;
    }
};

} // namespace pybind11::detail
