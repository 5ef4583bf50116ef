// The resources built into veltra.exe, read back from the file: the dialog
// template, the icon, the version information and the manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "res/resource.h"

namespace {

const WORD LANG_JAPANESE_DEFAULT = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

class veltra_resources : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The test runs in the folder veltra.exe is built into.
        module = LoadLibraryExA("veltra.exe", NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << "veltra.exe not found in the working directory";
    }
    static void TearDownTestSuite()
    {
        if (module)
            FreeLibrary(module);
    }

    static std::string resource(LPCSTR type, LPCSTR name, WORD language)
    {
        HRSRC found = FindResourceExA(module, type, name, language);
        if (!found)
            return std::string();
        HGLOBAL loaded = LoadResource(module, found);
        const char *data = (const char *)LockResource(loaded);
        return std::string(data, SizeofResource(module, found));
    }

    static HMODULE module;
};

HMODULE veltra_resources::module;

// Reads a dialog template word by word.
struct template_reader {
    const std::string &data;
    size_t at;

    WORD word()
    {
        WORD value = 0;
        if (at + 2 <= data.size())
            memcpy(&value, data.data() + at, 2);
        at += 2;
        return value;
    }
    DWORD dword()
    {
        DWORD low = word();
        return low | (DWORD)word() << 16;
    }
    std::wstring text()
    {
        std::wstring out;
        for (WORD c = word(); c != 0 && at <= data.size(); c = word())
            out += (wchar_t)c;
        return out;
    }
    // A name or an ordinal: 0xFFFF then the ordinal, or a text.
    std::wstring name_or_ordinal(WORD *ordinal)
    {
        *ordinal = 0;
        WORD first = word();
        if (first == 0xFFFF) {
            *ordinal = word();
            return std::wstring();
        }
        at -= 2;
        return text();
    }
    void align_dword() { at = (at + 3) & ~(size_t)3; }
};

struct control_row {
    WORD id;
    WORD class_atom; // 0x0080 button, 0x0081 edit, 0x0082 static
    short x, y, cx, cy;
    DWORD style;
    const wchar_t *text; // null: ours to choose, not empty
};

const DWORD CHILD = WS_CHILD | WS_VISIBLE;
const control_row dialog_controls[] = {
    {IDC_COPY, 0x0080, 5, 195, 240, 15, CHILD | BS_PUSHBUTTON | WS_TABSTOP,
     L"\u30af\u30ea\u30c3\u30d7\u30dc\u30fc\u30c9\u306b\u30b3\u30d4\u30fc"},
    {IDC_REPORT, 0x0081, 5, 15, 240, 175,
     CHILD | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_BORDER |
         WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
     L""},
    {IDC_VERSION, 0x0082, 5, 5, 245, 8, CHILD | SS_LEFT | WS_GROUP, L"VELTRA ver1.0"},
    {0xFFFF, 0x0082, 160, 215, 90, 8, CHILD | SS_CENTER | WS_GROUP, nullptr},
    {0xFFFF, 0x0082, 5, 215, 80, 8, CHILD | SS_CENTER | WS_GROUP, nullptr},
};

TEST_F(veltra_resources, main_dialog_template_is_the_japanese_plain_template_of_the_table)
{
    std::string data = resource(RT_DIALOG, MAKEINTRESOURCEA(IDD_MAIN), LANG_JAPANESE_DEFAULT);
    ASSERT_FALSE(data.empty()) << "no dialog 101 in language 1041";
    template_reader r{data, 0};

    DWORD style = r.dword();
    EXPECT_EQ(style, (DWORD)(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER |
                             DS_SETFONT))
        << std::hex << style;
    EXPECT_EQ(r.dword(), 0u) << "extended styles (or an extended template)";
    WORD count = r.word();
    EXPECT_EQ((short)r.word(), 0);
    EXPECT_EQ((short)r.word(), 0);
    EXPECT_EQ((short)r.word(), 252);
    EXPECT_EQ((short)r.word(), 229);
    WORD ordinal;
    EXPECT_EQ(r.name_or_ordinal(&ordinal), L"") << "menu";
    EXPECT_EQ(ordinal, 0) << "menu";
    EXPECT_EQ(r.name_or_ordinal(&ordinal), L"") << "class";
    EXPECT_EQ(ordinal, 0) << "class";
    EXPECT_EQ(r.text(), L"") << "caption";
    EXPECT_EQ(r.word(), 9) << "font size";
    EXPECT_EQ(r.text(), L"\uff2d\uff33 \u30b4\u30b7\u30c3\u30af");

    ASSERT_EQ(count, sizeof dialog_controls / sizeof dialog_controls[0]);
    for (const control_row &want : dialog_controls) {
        SCOPED_TRACE(testing::Message() << "control " << (&want - dialog_controls + 1));
        r.align_dword();
        EXPECT_EQ(r.dword(), want.style);
        EXPECT_EQ(r.dword(), 0u) << "extended styles";
        EXPECT_EQ((short)r.word(), want.x);
        EXPECT_EQ((short)r.word(), want.y);
        EXPECT_EQ((short)r.word(), want.cx);
        EXPECT_EQ((short)r.word(), want.cy);
        EXPECT_EQ(r.word(), want.id);
        EXPECT_EQ(r.name_or_ordinal(&ordinal), L"") << "class by name";
        EXPECT_EQ(ordinal, want.class_atom);
        std::wstring text = r.name_or_ordinal(&ordinal);
        if (want.text)
            EXPECT_TRUE(text == want.text);
        else
            EXPECT_FALSE(text.empty());
        EXPECT_EQ(r.word(), 0) << "creation data";
    }
    EXPECT_LE(r.at, data.size());
}

TEST_F(veltra_resources, icon_group_holds_one_32_pixel_24_bit_japanese_icon)
{
    std::string group = resource(RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_APP), LANG_JAPANESE_DEFAULT);
    ASSERT_EQ(group.size(), 6u + 14u) << "one entry in icon group 103, language 1041";
    const unsigned char *g = (const unsigned char *)group.data();
    EXPECT_EQ(g[2] | g[3] << 8, 1) << "type icon";
    EXPECT_EQ(g[4] | g[5] << 8, 1) << "entries";
    const unsigned char *entry = g + 6;
    EXPECT_EQ(entry[0], 32);
    EXPECT_EQ(entry[1], 32);
    EXPECT_EQ(entry[6] | entry[7] << 8, 24) << "bits per pixel";
    WORD icon_id = (WORD)(entry[12] | entry[13] << 8);

    std::string image = resource(RT_ICON, MAKEINTRESOURCEA(icon_id), LANG_JAPANESE_DEFAULT);
    ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    memcpy(&header, image.data(), sizeof header);
    EXPECT_EQ(header.biWidth, 32);
    EXPECT_EQ(header.biHeight, 64) << "colour rows and mask rows";
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(image.size(), sizeof header + 32 * 32 * 3 + 32 * 4);
}

TEST_F(veltra_resources, version_information_names_version_1_00)
{
    std::string info = resource(RT_VERSION, MAKEINTRESOURCEA(1), LANG_JAPANESE_DEFAULT);
    ASSERT_FALSE(info.empty());
    const DWORD signature = 0xFEEF04BD;
    size_t at = info.find(std::string((const char *)&signature, 4));
    ASSERT_NE(at, std::string::npos);
    VS_FIXEDFILEINFO fixed;
    ASSERT_LE(at + sizeof fixed, info.size());
    memcpy(&fixed, info.data() + at, sizeof fixed);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwFileType, (DWORD)VFT_APP);
}

TEST_F(veltra_resources, manifest_asks_for_themed_controls_high_dpi_and_known_systems)
{
    std::string manifest = resource(RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID,
                                    MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    ASSERT_FALSE(manifest.empty()) << "no application manifest";
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAwareness"), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAware"), std::string::npos);
    // Windows 10 and 11 share one identifier.
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
}

} // namespace
