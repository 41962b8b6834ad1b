// The platform printer: PDF pages handed to a print server (CUPS). The
// server is asked whether it answers before anything else, so that a
// missing server or printer is said plainly at once.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace vex3d::platform {

// A destination's page, in points (1/72 inch): its size and the printable
// area's margins.
struct PrinterPage {
  std::string printer;                     // the destination's name
  double width = 595.28, height = 841.89;  // A4 when the printer does not say
  double left = 0, top = 0, right = 0, bottom = 0;
};

// The page of `printer` ("" the default destination); false with the
// reason: no print server answers, no such printer, no default printer.
bool printer_page(const std::string &printer, PrinterPage &page, std::string &error);

// Prints a PDF document on the destination as one job titled `title`,
// sent in pieces; `cancelled` is asked before the job and between the
// pieces, and a job it stops is withdrawn ("printing was cancelled").
bool print_pdf(const std::string &printer, const std::string &title, std::span<const std::uint8_t> pdf,
               std::string &error, const std::function<bool()> &cancelled = {});

}  // namespace vex3d::platform
