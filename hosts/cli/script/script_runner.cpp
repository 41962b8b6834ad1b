#include "script_runner.h"

#include <strings.h>

#include <string>
#include <vector>

#include "printable.h"
#include "script_syntax.h"

namespace torvane3d_cli {
namespace {

using tc3d::Invoke;
using tc3d::ObjectRef;
using tc3d::Variant;

bool same(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::vector<Variant> values_of(const std::vector<ValueExpr> &exprs) {
  std::vector<Variant> values;
  values.reserve(exprs.size());
  for (const ValueExpr &e : exprs) values.push_back(value_of(e));
  return values;
}

// The object a value must be to walk on.
ObjectRef object_of(const Variant &v, const Segment &s) {
  ObjectRef o = v.is_array() ? nullptr : (v.type() == tc3d::VarType::Object ? v.to_object() : nullptr);
  if (!o) tc3d::raise(tc3d::status::kTypeMismatch, "'" + s.name + "' is not an object");
  return o;
}

// Reads one segment on an object: a property (with its index arguments), a
// method's result, or, for arguments a member does not take, the default
// member of what it returns.
Variant read(tc3d::Object &object, const Segment &s) {
  const tc3d::Member *m = object.class_info().find(s.name);
  if (!m) object.id_of(s.name);  // raises the unknown name
  std::vector<Variant> args = values_of(s.arguments);
  const Invoke kind = m->access == tc3d::Access::Method ? Invoke::Method : Invoke::Get;
  if (!args.empty() && m->params.empty() && m->access != tc3d::Access::Method) {
    const Variant holder = object.invoke(m->id, kind);
    return object_of(holder, s)->invoke(tc3d::kDispidValue, Invoke::Get, args);
  }
  return object.invoke(m->id, kind, args);
}

// Walks all segments but the last, from the control; the object the last
// segment applies to.
ObjectRef walk_to_last(const std::shared_ptr<tc3d::Chart3D> &chart, const std::vector<Segment> &path) {
  ObjectRef current = chart;
  for (std::size_t i = 0; i + 1 < path.size(); ++i) current = object_of(read(*current, path[i]), path[i]);
  return current;
}

std::string trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return std::string(s);
}

}  // namespace

ScriptRunner::ScriptRunner(std::shared_ptr<tc3d::Chart3D> chart, std::ostream &out, std::ostream &err)
    : chart_(std::move(chart)), out_(out), err_(err) {}

ScriptRunner::~ScriptRunner() {
  for (const auto &h : handlers_) chart_->disconnect(h.get());
}

bool ScriptRunner::run_line(std::string_view raw, int line_number) {
  const std::string line = trimmed(raw);
  if (line.empty() || line[0] == '\'' || line[0] == '#') return true;
  auto report = [&](const std::string &what) {
    err_ << "line " << line_number << ": " << printable(line) << "\n" << printable(what) << "\n";
    return false;
  };
  try {
    const Statement s = parse_statement(tokenize(line));
    switch (s.kind) {
      case Statement::Print:
        if (s.path.empty()) {
          out_ << tc3d::display_text(value_of(s.value)) << "\n";
        } else {
          const ObjectRef target = walk_to_last(chart_, s.path);
          out_ << tc3d::display_text(read(*target, s.path.back())) << "\n";
        }
        break;
      case Statement::Call: {
        const ObjectRef target = walk_to_last(chart_, s.path);
        read(*target, s.path.back());
        break;
      }
      case Statement::Assign: {
        const ObjectRef target = walk_to_last(chart_, s.path);
        const Segment &last = s.path.back();
        std::vector<Variant> args = values_of(last.arguments);
        args.push_back(value_of(s.value));
        target->invoke(last.name, Invoke::Put, args);
        break;
      }
      case Statement::Handler: {
        const tc3d::EventInfo *event = chart_->class_info().find_event(s.event);
        if (!event) return report("error: '" + s.event + "' is not an event of Chart3D");
        std::vector<std::pair<std::size_t, Variant>> settings;
        for (const auto &[name, value] : s.settings) {
          std::size_t i = 0;
          while (i < event->params.size() && !same(event->params[i].name, name)) ++i;
          if (i == event->params.size())
            return report("error: '" + name + "' is not an argument of " + std::string(event->name));
          if (!event->by_ref[i])
            return report("error: '" + name + "' of " + std::string(event->name) + " is not passed by reference");
          settings.emplace_back(i, value_of(value));
        }
        const std::string event_name(event->name);
        std::ostream &out = out_;
        auto handler = std::make_shared<tc3d::EventCallback>(
            [event_name, settings, &out](const tc3d::EventInfo &e, std::span<Variant> args) {
              if (e.name != event_name) return;
              out << "event " << e.name << "(";
              for (std::size_t i = 0; i < args.size() && i < e.params.size(); ++i)
                out << (i ? ", " : "") << e.params[i].name << " = " << tc3d::display_text(args[i].dereferenced());
              out << ")\n";
              for (const auto &[i, value] : settings)
                if (i < args.size()) args[i].assign(value);
            });
        handlers_.push_back(handler);
        chart_->connect(std::move(handler));
        break;
      }
    }
  } catch (const ScriptSyntaxError &e) {
    return report("error: " + e.message);
  } catch (const tc3d::Error &e) {
    return report("error " + tc3d::status_hex(e.status()) + ": " + e.description());
  }
  return true;
}

int ScriptRunner::run(std::istream &in) {
  int failures = 0, number = 0;
  std::string line;
  while (std::getline(in, line))
    if (!run_line(line, ++number)) ++failures;
  return failures;
}

}  // namespace torvane3d_cli
