// The version resource and the manifest of the four shipped program files,
// taken from both archives unpacked (the fixture release_entpackt), read the
// way Explorer's Details page and the loader read them: one version number,
// the build's, and a manifest that runs the program as its user on
// Windows 7 to 11, aware of each screen's resolution.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "prozess.h"
#include "varnis_version.h"

namespace {

struct Programmdatei {
    std::string pfad;
    const char* name;
    const wchar_t* beschreibung;  // a word of its file description
};

std::vector<Programmdatei> programmdateien() {
    std::vector<Programmdatei> dateien;
    for (const char* ordner : {ENTPACKT_64, ENTPACKT_32}) {
        const std::string varnis = windows_pfad(ordner) + "\\Varnis\\";
        dateien.push_back({varnis + "Varnis32.exe", "Varnis32.exe", L"Sternkarte"});
        dateien.push_back({varnis + "Kovra32.scr", "Kovra32.scr", L"Bildschirmschoner"});
    }
    return dateien;
}

std::wstring breit(const char* utf8) {
    wchar_t text[256] = L"";
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text, 256);
    return text;
}

class Versionsdaten {
public:
    explicit Versionsdaten(const std::string& pfad) {
        DWORD griff = 0;
        const DWORD groesse = GetFileVersionInfoSizeA(pfad.c_str(), &griff);
        daten_.resize(groesse);
        if (groesse == 0 || !GetFileVersionInfoA(pfad.c_str(), 0, groesse, daten_.data())) daten_.clear();
    }
    bool da() const { return !daten_.empty(); }
    const VS_FIXEDFILEINFO* fest() const {
        return static_cast<const VS_FIXEDFILEINFO*>(wert(L"\\"));
    }
    std::wstring text(const wchar_t* name) const {
        const void* w = wert((std::wstring(L"\\StringFileInfo\\040704B0\\") + name).c_str());
        return w ? static_cast<const wchar_t*>(w) : L"<fehlt>";
    }
    const WORD* uebersetzung() const { return static_cast<const WORD*>(wert(L"\\VarFileInfo\\Translation")); }

private:
    const void* wert(const wchar_t* block) const {
        void* w = nullptr;
        UINT laenge = 0;
        if (daten_.empty() ||
            !VerQueryValueW(const_cast<BYTE*>(daten_.data()), block, &w, &laenge) || laenge == 0)
            return nullptr;
        return w;
    }
    std::vector<BYTE> daten_;
};

TEST(Versionsressource, EveryProgramFileCarriesTheOneVersionNumber) {
    unsigned haupt = 0, neben = 0, stand = 0;
    ASSERT_EQ(sscanf(VARNIS_VERSION, "%u.%u.%u", &haupt, &neben, &stand), 3);
    for (const Programmdatei& p : programmdateien()) {
        SCOPED_TRACE(p.pfad);
        const Versionsdaten v(p.pfad);
        ASSERT_TRUE(v.da());
        const VS_FIXEDFILEINFO* fest = v.fest();
        ASSERT_NE(fest, nullptr);
        EXPECT_EQ(fest->dwSignature, 0xFEEF04BDu);
        EXPECT_EQ(fest->dwFileVersionMS, MAKELONG(neben, haupt));
        EXPECT_EQ(fest->dwFileVersionLS, MAKELONG(0, stand));
        EXPECT_EQ(fest->dwProductVersionMS, fest->dwFileVersionMS);
        EXPECT_EQ(fest->dwProductVersionLS, fest->dwFileVersionLS);
        EXPECT_EQ(fest->dwFileType, static_cast<DWORD>(VFT_APP));
        const WORD* sprache = v.uebersetzung();
        ASSERT_NE(sprache, nullptr);
        EXPECT_EQ(sprache[0], 0x0407);  // German (Germany)
        EXPECT_EQ(sprache[1], 1200);    // UTF-16
        EXPECT_EQ(v.text(L"ProductName"), L"Varnis");
        EXPECT_EQ(v.text(L"ProductVersion"), breit(VARNIS_VERSION));
        EXPECT_EQ(v.text(L"FileVersion"), breit(VARNIS_VERSION));
        EXPECT_EQ(v.text(L"CompanyName"), breit(VARNIS_HERAUSGEBER));
        EXPECT_EQ(v.text(L"LegalCopyright"), breit(VARNIS_COPYRIGHT));
        EXPECT_EQ(v.text(L"OriginalFilename"), breit(p.name));
        EXPECT_NE(v.text(L"FileDescription").find(p.beschreibung), std::wstring::npos);
    }
}

// The manifest as the loader finds it: resource 1 of type RT_MANIFEST.
std::string manifest(const std::string& pfad) {
    HMODULE modul = LoadLibraryExA(pfad.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!modul) return "<nicht lesbar>";
    std::string text = "<kein Manifest>";
    if (HRSRC r = FindResourceA(modul, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        const char* daten = static_cast<const char*>(LockResource(LoadResource(modul, r)));
        if (daten) text.assign(daten, SizeofResource(modul, r));
    }
    FreeLibrary(modul);
    return text;
}

TEST(Manifest, EveryProgramFileRunsAsItsUserOnWindows7To11) {
    for (const Programmdatei& p : programmdateien()) {
        SCOPED_TRACE(p.pfad);
        const std::string m = manifest(p.pfad);
        EXPECT_NE(m.find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos) << m;
        for (const char* system : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a",    // Windows 7
                                   "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",    // 8
                                   "1f676c76-80e1-4239-95bb-83d0f6d0da78",    // 8.1
                                   "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {  // 10 and 11
            EXPECT_NE(m.find(std::string("<supportedOS Id=\"{") + system + "}\"/>"), std::string::npos)
                << system;
        }
    }
}

// Per-monitor awareness (version 2, then the first version) where Windows 10
// and 8.1 read it, and the older entry Windows 7 reads: without them the
// system stretches the window's bitmap on a screen above 96 DPI.
TEST(Manifest, EveryProgramFileDeclaresPerMonitorDpiAwareness) {
    for (const Programmdatei& p : programmdateien()) {
        SCOPED_TRACE(p.pfad);
        const std::string m = manifest(p.pfad);
        EXPECT_NE(m.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                         "PerMonitorV2, PerMonitor</dpiAwareness>"),
                  std::string::npos)
            << m;
        EXPECT_NE(m.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">"
                         "true/pm</dpiAware>"),
                  std::string::npos)
            << m;
    }
}

}  // namespace
