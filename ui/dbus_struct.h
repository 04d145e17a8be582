#pragma once
// D-Bus structures sent and read field by field, in their order: a struct that names its fields
// in a static FieldsOf (as std::tie does) goes over the bus as the structure of those fields.

#include <QDBusArgument>
#include <tuple>

namespace kurobi {

template <class T>
concept DBusStruct = requires(T& value) { T::FieldsOf(value); };

template <DBusStruct T>
QDBusArgument& operator<<(QDBusArgument& argument, const T& value) {
    argument.beginStructure();
    std::apply([&](const auto&... field) { ((argument << field), ...); }, T::FieldsOf(value));
    argument.endStructure();
    return argument;
}

template <DBusStruct T>
const QDBusArgument& operator>>(const QDBusArgument& argument, T& value) {
    argument.beginStructure();
    std::apply([&](auto&... field) { ((argument >> field), ...); }, T::FieldsOf(value));
    argument.endStructure();
    return argument;
}

}  // namespace kurobi
