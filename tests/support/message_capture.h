// Captures the engine's messages for the lifetime of the object.
#pragma once

#include <string>
#include <vector>

#include "restable.h"

class MessageCapture {
 public:
  MessageCapture() { Vex3dSetMessageSink(&MessageCapture::sink, this); }
  ~MessageCapture() { Vex3dSetMessageSink(nullptr, nullptr); }
  MessageCapture(const MessageCapture &) = delete;
  MessageCapture &operator=(const MessageCapture &) = delete;

  const std::vector<std::string> &messages() const { return messages_; }
  std::string all() const {
    std::string text;
    for (const auto &m : messages_) text += m;
    return text;
  }
  bool contains(const std::string &part) const { return all().find(part) != std::string::npos; }
  void clear() { messages_.clear(); }

 private:
  static void sink(const char *message, void *user) {
    static_cast<MessageCapture *>(user)->messages_.emplace_back(message);
  }
  std::vector<std::string> messages_;
};
