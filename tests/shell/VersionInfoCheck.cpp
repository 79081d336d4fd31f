// Reads the version resource and icon of a program file through the Windows API, as the
// Explorer's properties page does, and compares them with what the build states.
// Usage: version_info_check <program> <product name> <a.b.c.d> <version text>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 5)
        return std::puts("usage: version_info_check <program> <product> <a.b.c.d> <text>"), 2;
    const auto wide = [](const char* text) { return std::wstring(text, text + std::strlen(text)); };
    const std::wstring program = wide(argv[1]);
    std::vector<char> data(GetFileVersionInfoSizeW(program.c_str(), nullptr));
    const auto query = [&](const std::wstring& path) {
        void* value = nullptr;
        UINT size = 0;
        return VerQueryValueW(data.data(), path.c_str(), &value, &size) ? value : nullptr;
    };
    const auto text = [&](const wchar_t* name) {
        const auto* value = query(L"\\StringFileInfo\\041103A4\\" + std::wstring(name));
        return std::wstring(value ? static_cast<const wchar_t*>(value) : L"");
    };
    if (data.empty() || !GetFileVersionInfoW(program.c_str(), 0, DWORD(data.size()), data.data()))
        return std::puts("no version resource"), 1;
    unsigned v[4] = {};
    std::sscanf(argv[3], "%u.%u.%u.%u", &v[0], &v[1], &v[2], &v[3]);
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
    const auto* language = static_cast<const WORD*>(query(L"\\VarFileInfo\\Translation"));
    const std::pair<bool, const char*> checks[] = {
        {fixed && fixed->dwFileVersionMS == (v[0] << 16 | v[1]) &&
             fixed->dwFileVersionLS == (v[2] << 16 | v[3]),
         "numeric file version"},
        {language && language[0] == 1041 && language[1] == 932, "language 1041, code page 932"},
        {text(L"ProductName") == wide(argv[2]), "product name"},
        {text(L"FileVersion") == wide(argv[4]) && text(L"ProductVersion") == wide(argv[4]),
         "version text"},
        {ExtractIconExW(program.c_str(), -1, nullptr, nullptr, 0) >= 1, "icon"},
    };
    int wrong = 0;
    for (const auto& [ok, what] : checks)
        if (!ok && ++wrong)
            std::printf("wrong: %s\n", what);
    return wrong == 0 ? 0 : 1;
}
