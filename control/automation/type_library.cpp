#include "type_library.h"

#include <strings.h>
#include <cstdio>

namespace tc3d {
namespace {

std::string param_list(std::span<const Param> params, std::span<const bool> by_ref = {}) {
  std::string text;
  for (std::size_t i = 0; i < params.size(); ++i) {
    if (i) text += ", ";
    if (params[i].optional) text += "Optional ";
    if (i < by_ref.size() && by_ref[i]) text += "ByRef ";
    text += std::string(params[i].name) + " As " + type_name(params[i].type);
  }
  return text;
}

std::string line(const char *kind, DispatchId id, const std::string &signature) {
  char head[48];
  std::snprintf(head, sizeof head, "    %-10s %6d  ", kind, id);
  return head + signature + "\n";
}

}  // namespace

const ClassInfo *TypeLibrary::find_class(std::string_view class_name) const {
  for (const ClassInfo *c : classes)
    if (c->name.size() == class_name.size() && !strncasecmp(c->name.data(), class_name.data(), class_name.size()))
      return c;
  return nullptr;
}

void print_type_library(const TypeLibrary &library, std::ostream &out) {
  out << "library " << library.name << " " << library.major << "." << library.minor << "\n";
  for (const Enumeration *e : library.enumerations) {
    out << "\nenum " << e->name << "\n";
    for (const EnumValue &v : e->values) out << "    " << v.name << " = " << v.value << "\n";
  }
  for (const ClassInfo *c : library.classes) {
    out << "\nclass " << c->name << " (dispatch " << c->interface << ", dual " << c->dual;
    if (!c->events.empty()) out << ", events " << c->events;
    out << ")\n";
    for (const Member &m : c->members) {
      if (m.attributes.dispatch_only) continue;
      std::string signature(m.name);
      if (!m.params.empty() || m.access == Access::Method) signature += "(" + param_list(m.params) + ")";
      if (m.type.kind != Kind::Void) signature += " As " + type_name(m.type);
      if (m.attributes.hidden) signature += " [hidden]";
      out << line(std::string(access_name(m.access)).c_str(), m.id, signature);
    }
    for (const EventInfo &e : c->event_list)
      out << line("event", e.id, std::string(e.name) + "(" + param_list(e.params, e.by_ref) + ")");
  }
}

}  // namespace tc3d
