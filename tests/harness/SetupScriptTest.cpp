// scripts/setup over stand-ins for the system's commands: what it installs and generates, for whom,
// and what it says when it may not install.

#include <gtest/gtest.h>

#include <string>

#include "ScriptStandIns.h"

namespace {

class SetupScript : public ::testing::Test {
protected:
    void SetUp() override {
        standIns.Command("apt-get");
        standIns.Command("localedef");
        standIns.Command("sudo", "shift; \"$@\"");
        Installed(true);
        User(0);
        Locales("C\nC.utf8\nPOSIX");
    }

    void Installed(bool all) {
        standIns.Command("dpkg-query", all ? "echo 'install ok installed'" : "exit 1");
    }
    void User(int id) { standIns.Command("id", "echo " + std::to_string(id)); }
    void Locales(const std::string& names) { standIns.Command("locale", "printf '" + names + "\\n'"); }

    int Setup(const std::string& words = "") { return standIns.Run(SCRIPTS_DIR "/setup", words); }
    std::string Calls() const { return standIns.Calls(); }
    std::string Said() const { return standIns.Said(); }

    ScriptStandIns standIns;
};

TEST_F(SetupScript, TheTestOnlyLocaleIsMadeForTheTestsAlone) {
    EXPECT_EQ(Setup(), 0) << Said();
    EXPECT_FALSE(Has(Calls(), "localedef")) << Calls();
    EXPECT_FALSE(Has(Calls(), "apt-get")) << "everything is installed";

    EXPECT_EQ(Setup("test"), 0) << Said();
    EXPECT_TRUE(Has(Calls(), "localedef -i de_DE -f UTF-8 de_DE.UTF-8")) << Calls();

    Locales("C\nde_DE.utf8");
    standIns.ForgetCalls();
    EXPECT_EQ(Setup("test"), 0) << Said();
    EXPECT_FALSE(Has(Calls(), "localedef")) << "the locale is there";
}

TEST_F(SetupScript, AnotherUserInstallsThroughSudoOrIsToldItIsNeeded) {
    Installed(false);
    User(1000);
    EXPECT_EQ(Setup(), 0) << Said();
    EXPECT_TRUE(Has(Calls(), "sudo -n apt-get install")) << Calls();
    EXPECT_TRUE(Has(Calls(), " xvfb ")) << Calls();

    standIns.ForgetCalls();
    standIns.Command("sudo", "exit 1");
    EXPECT_EQ(Setup(), 1);
    EXPECT_TRUE(Has(Said(), "scripts/setup needs root or sudo without a password")) << Said();
    EXPECT_FALSE(Has(Calls(), "apt-get")) << Calls();
}

}  // namespace
