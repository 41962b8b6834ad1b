#include "printer.h"

#include <cups/cups.h>

#include <algorithm>
#include <memory>

#include "late_library.h"

namespace vex3d::platform {
namespace {

constexpr int kConnectMilliseconds = 5000;
constexpr double kPointsPerHundredthMm = 72.0 / 2540.0;
// A job is sent in pieces of this size, asking between them whether to go on.
constexpr std::size_t kPiece = 64 * 1024;
constexpr const char *kCancelled = "printing was cancelled";

// libcups is opened at the first print (late_library.h); every call below
// goes through its table.
#define TORVANE3D_CUPS_FUNCTIONS(F) \
  F(cupsCancelJob2) F(cupsCopyDestInfo) F(cupsCreateJob) F(cupsEncryption) F(cupsFinishDocument) \
  F(cupsFreeDestInfo) F(cupsFreeDests) F(cupsGetDestMediaDefault) F(cupsGetNamedDest) \
  F(cupsLastErrorString) F(cupsServer) F(cupsSetServer) F(cupsStartDocument) \
  F(cupsWriteRequestData) F(httpClose) F(httpConnect2) F(ippPort)
struct Cups {
  TORVANE3D_CUPS_FUNCTIONS(VEX3D_LATE_FUNCTION)
};

const Cups *load_cups(std::string &error) {
  static const LateLibrary<Cups> library("libcups.so.2", [](void *handle, Cups &table) {
    return TORVANE3D_CUPS_FUNCTIONS(VEX3D_LATE_LOAD) true;
  });
  return library.table(error);
}

// The table, once connect() has found it.
const Cups &cups() {
  std::string unused;
  return *load_cups(unused);
}

struct HttpClose {
  void operator()(http_t *http) const { cups().httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;
struct DestFree {
  void operator()(cups_dest_t *dest) const { cups().cupsFreeDests(1, dest); }
};
using Destination = std::unique_ptr<cups_dest_t, DestFree>;

// The server's connection, or none with the reason (libcups' own texts for
// a missing server speak of missing printers).
Connection connect(std::string &error) {
  std::string why;
  if (!load_cups(why)) {
    error = "printing needs the CUPS library, which cannot be loaded: " + why;
    return Connection();
  }
  // The server named now (CUPS_SERVER, the client configuration), not the
  // one libcups remembered from an earlier call.
  cups().cupsSetServer(nullptr);
  const char *server = cups().cupsServer();
  Connection http(
      cups().httpConnect2(server, cups().ippPort(), nullptr, AF_UNSPEC, cups().cupsEncryption(), 1, kConnectMilliseconds, nullptr));
  if (!http) error = std::string("no print server answers at ") + (server ? server : "(none)");
  return http;
}

Destination destination(http_t *http, const std::string &printer, std::string &error) {
  Destination dest(cups().cupsGetNamedDest(http, printer.empty() ? nullptr : printer.c_str(), nullptr));
  if (!dest) error = printer.empty() ? "the print server has no default printer" : "no printer named " + printer;
  return dest;
}

}  // namespace

bool printer_page(const std::string &printer, PrinterPage &page, std::string &error) {
  const Connection http = connect(error);
  if (!http) return false;
  const Destination dest = destination(http.get(), printer, error);
  if (!dest) return false;
  page = PrinterPage{};
  page.printer = dest->name;
  if (cups_dinfo_t *info = cups().cupsCopyDestInfo(http.get(), dest.get())) {
    cups_size_t size{};
    if (cups().cupsGetDestMediaDefault(http.get(), dest.get(), info, 0, &size) && size.width > 0 && size.length > 0) {
      page.width = size.width * kPointsPerHundredthMm;
      page.height = size.length * kPointsPerHundredthMm;
      page.left = size.left * kPointsPerHundredthMm;
      page.right = size.right * kPointsPerHundredthMm;
      page.top = size.top * kPointsPerHundredthMm;
      page.bottom = size.bottom * kPointsPerHundredthMm;
    }
    cups().cupsFreeDestInfo(info);
  }
  return true;
}

bool print_pdf(const std::string &printer, const std::string &title, std::span<const std::uint8_t> pdf,
               std::string &error, const std::function<bool()> &cancelled) {
  const auto stop = [&] { return cancelled && cancelled(); };
  Connection http = connect(error);
  if (!http) return false;
  const Destination dest = destination(http.get(), printer, error);
  if (!dest) return false;
  if (stop()) return error = kCancelled, false;
  const int job = cups().cupsCreateJob(http.get(), dest->name, title.c_str(), 0, nullptr);
  if (job <= 0) {
    error = std::string("the printer refused the job: ") + cups().cupsLastErrorString();
    return false;
  }
  const auto withdraw = [&](std::string why) {
    error = std::move(why);
    // A request cut short leaves its connection unusable: the job is
    // withdrawn over a new one, before its document is complete.
    http.reset();
    std::string ignored;
    if (const Connection again = connect(ignored)) cups().cupsCancelJob2(again.get(), dest->name, job, 0);
    return false;
  };
  if (cups().cupsStartDocument(http.get(), dest->name, job, title.c_str(), CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE)
    return withdraw(std::string("the job could not be sent: ") + cups().cupsLastErrorString());
  for (std::size_t at = 0; at < pdf.size(); at += kPiece) {
    if (stop()) return withdraw(kCancelled);
    const std::size_t n = std::min(kPiece, pdf.size() - at);
    if (cups().cupsWriteRequestData(http.get(), reinterpret_cast<const char *>(pdf.data() + at), n) != HTTP_STATUS_CONTINUE)
      return withdraw(std::string("the job could not be sent: ") + cups().cupsLastErrorString());
  }
  if (cups().cupsFinishDocument(http.get(), dest->name) != IPP_STATUS_OK)
    return withdraw(std::string("the job could not be sent: ") + cups().cupsLastErrorString());
  return true;
}

}  // namespace vex3d::platform
