// The class factory, the use count and the registration file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "class_factory.h"
#include "gadget.h"

namespace tc3d {
namespace {

const ClassEntry kEntries[] = {
    {"Test.Gadget.1", "{11111111-2222-3333-4444-555555555555}", "Gadget Thing", "Apartment",
     kRecomposeOnResize | kInsideOut, [] { return ObjectRef(std::make_shared<Gadget>()); }},
};

struct ScratchHome {
  std::filesystem::path root;
  std::string saved_xdg, saved_home;
  bool had_xdg, had_home;
  ScratchHome() {
    root = std::filesystem::temp_directory_path() / ("tc3d-registration-" + std::to_string(::getpid()));
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    had_xdg = std::getenv("XDG_DATA_HOME");
    had_home = std::getenv("HOME");
    if (had_xdg) saved_xdg = std::getenv("XDG_DATA_HOME");
    if (had_home) saved_home = std::getenv("HOME");
  }
  ~ScratchHome() {
    if (had_xdg)
      setenv("XDG_DATA_HOME", saved_xdg.c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
    if (had_home)
      setenv("HOME", saved_home.c_str(), 1);
    else
      unsetenv("HOME");
    std::filesystem::remove_all(root);
  }
};

std::string read(const std::filesystem::path &file) {
  std::ifstream in(file);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(ClassFactory, CreatesByProgrammaticAndClassIdentifier) {
  for (const char *name : {"Test.Gadget.1", "{11111111-2222-3333-4444-555555555555}"}) {
    std::optional<ClassFactory> factory;
    ASSERT_EQ(get_class_object(kEntries, name, &factory), status::kOk);
    ObjectRef made;
    EXPECT_EQ(factory->CreateInstance(nullptr, &made), status::kOk);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->class_info().name, "IGadget");
    ObjectRef aggregated;
    EXPECT_EQ(factory->CreateInstance(made.get(), &aggregated), status::kNoAggregation);
    EXPECT_FALSE(aggregated);
  }
  std::optional<ClassFactory> none;
  EXPECT_EQ(get_class_object(kEntries, "Test.Nothing.1", &none), status::kClassNotAvailable);
  EXPECT_FALSE(none);
}

TEST(ClassFactory, TheModuleUnloadsOnlyWhenNothingHoldsIt) {
  ASSERT_EQ(can_unload_now(), status::kOk);
  std::optional<ClassFactory> factory;
  ASSERT_EQ(get_class_object(kEntries, "Test.Gadget.1", &factory), status::kOk);
  {
    ObjectRef made;
    factory->CreateInstance(nullptr, &made);
    EXPECT_EQ(can_unload_now(), status::kFalse);
  }
  EXPECT_EQ(can_unload_now(), status::kOk);
  factory->LockServer(true);
  EXPECT_EQ(can_unload_now(), status::kFalse);
  factory->LockServer(false);
  EXPECT_EQ(can_unload_now(), status::kOk);
}

TEST(Registration, WritesAndRemovesThePerUserFiles) {
  ScratchHome home;
  setenv("XDG_DATA_HOME", home.root.c_str(), 1);
  static const ClassInfo *const classes[] = {&Gadget().class_info()};
  const TypeLibrary library{"GadgetLibrary", 1, 0, classes, {}};
  ASSERT_EQ(register_module(kEntries, library), status::kOk);
  const std::string reg = read(home.root / "torvane3d" / "classes.reg");
  EXPECT_NE(reg.find("[Test.Gadget.1]\n"), std::string::npos) << reg;
  EXPECT_NE(reg.find("user_type_name = Gadget Thing\n"), std::string::npos) << reg;
  EXPECT_NE(reg.find("threading_model = Apartment\n"), std::string::npos) << reg;
  EXPECT_NE(reg.find("misc_status = 0x00081 recompose-on-resize inside-out\n"), std::string::npos) << reg;
  EXPECT_NE(read(home.root / "torvane3d" / "typelib.txt").find("class IGadget"), std::string::npos);
  ASSERT_EQ(unregister_module(), status::kOk);
  EXPECT_FALSE(std::filesystem::exists(home.root / "torvane3d"));
  // Without a HOME either, the default place is unknown.
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", (home.root / "home").c_str(), 1);
  EXPECT_EQ(registration_folder(), home.root / "home" / ".local" / "share" / "torvane3d");
  unsetenv("HOME");
  EXPECT_FALSE(registration_folder().has_value());
  EXPECT_EQ(register_module(kEntries, library), status::kTypeLibraryRegistration);
}

TEST(Registration, FailuresReturnTheSpecifiedCodes) {
  ScratchHome home;
  // A plain file where the data folder should be: nothing can be written.
  const auto blocker = home.root / "file";
  std::ofstream(blocker) << "x";
  setenv("XDG_DATA_HOME", blocker.c_str(), 1);
  const TypeLibrary library{"GadgetLibrary", 1, 0, {}, {}};
  EXPECT_EQ(register_module(kEntries, library), status::kTypeLibraryRegistration);
  // The type library is written but the classes file cannot be: a folder
  // stands in its place.
  setenv("XDG_DATA_HOME", home.root.c_str(), 1);
  std::filesystem::create_directories(home.root / "torvane3d" / "classes.reg" / "inside");
  EXPECT_EQ(register_module(kEntries, library), status::kClassRegistration);
  for (const auto &entry : std::filesystem::directory_iterator(home.root / "torvane3d"))
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << "left behind: " << entry.path();
  EXPECT_EQ(unregister_module(), status::kClassRegistration);
}

}  // namespace
}  // namespace tc3d
