// How an object class declares its members: once, in a member file.
//
// A class of the object model lists its members in a file of rows (for
// example control/chart3d_members.def), one row per member:
//
//   TC3D_PROPERTY(Name, id, Type, Binding, Attributes, Params...)   read/write
//   TC3D_READONLY(Name, id, Type, Binding, Attributes, Params...)
//   TC3D_OBJECT(Name, id, Class, Binding, Attributes)               embedded object
//   TC3D_METHOD(Name, id, Result, Binding, Attributes, Params...)
//
//   Name        the member's name as callers spell it (dispatch by name is
//               case-insensitive); also the name of the typed C++ accessors
//   id          the member identifier (0: the default member)
//   Type        a type tag of member.h: t::Bool, t::Long, t::Double,
//               t::String, t::Color, t::Font, t::Currency, t::Any, t::Enum<kSomeConstants>,
//               t::Obj<ISomeClass>, t::Dispatch
//   Class       for TC3D_OBJECT, the C++ class of the embedded object
//   Binding     what runs behind it, in parentheses when it holds a comma:
//               (accessor<&C::getter, &C::setter>()), method<&C::fn>(), or a
//               resource binding of the control layer (resource_binding.h)
//   Attributes  kPlain, or kPlain.defaults_to(1).persist_as("Name").hide()
//               .then(AfterPut::Nothing)
//   Params      TC3D_PARAM(Name, Type) or TC3D_OPTIONAL(Name, Type), in order:
//               a method's arguments, a property's index arguments
//
// From these rows come, with no code per member:
//   - the member table (class_info().members): dispatch by name and by
//     identifier through Object::invoke, with its access, argument-count,
//     conversion and enumeration checks;
//   - the typed C++ accessors: Name(index...) reads, put_Name(value, index...)
//     writes, Name(args...) calls; they throw tc3d::Error;
//   - the dual interface (dual_interface.inc): get_Name(&out, index...),
//     put_Name(value, index...), Name(&result, args...) return a Status and
//     leave the error information in last_error_info();
//   - the run-time type library (type_library.h) and the generated reference;
//   - later: the persistence walk (rows with a persisted name, in row order),
//     the "all defaults?" test (rows with a default) and the property writer.
//
// The class includes three expansions of its member file:
//
//   // in the class body (header): the typed accessors
//   #define TC3D_MEMBERS "chart3d_members.def"
//   #include "typed_accessors.inc"
//
//   // in its source file: the member table, in a namespace of its own
//   namespace chart3d_rows {
//   #define TC3D_MEMBERS "chart3d_members.def"
//   #include "member_table.inc"
//   }   // gives chart3d_rows::kMembers
//
//   // in the body of the dual twin (class IChart3D_Dual : DualOf<Chart3D>)
//   #define TC3D_MEMBERS "chart3d_members.def"
//   #include "dual_interface.inc"
//
// Functions behind the rows are named in snake_case (is_batched,
// set_is_batched, draw_to_file), so they never meet the accessors' names.
#pragma once

#include "binding.h"
#include "member.h"
#include "object.h"
