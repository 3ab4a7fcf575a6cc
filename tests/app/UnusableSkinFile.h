#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "skin/imaging/UniqueHandle.h"
#include "skin/package/SkinReader.h"

namespace veyra::test {

// The ways something can sit at a skin file's path and still be no skin.
enum class TUnusable {
    Folder,    // a folder of that name
    Locked,    // a file another program holds open without sharing
    Oversized, // a file larger than any skin unpacks to (sparse, so cheap)
    Damaged,   // a readable file whose packed data lies about its size
};

inline const char* NameOf(TUnusable kind) {
    switch (kind) {
    case TUnusable::Folder:
        return "folder";
    case TUnusable::Locked:
        return "locked";
    case TUnusable::Oversized:
        return "oversized";
    case TUnusable::Damaged:
        return "damaged";
    }
    return "?";
}

// Puts an unusable skin at path for the scope and removes it afterwards.
class TUnusableSkinFile {
public:
    TUnusableSkinFile(std::filesystem::path path, TUnusable kind) : Path_(std::move(path)) {
        std::filesystem::create_directories(Path_.parent_path());
        if (kind == TUnusable::Folder) {
            std::filesystem::create_directories(Path_);
            return;
        }
        if (kind == TUnusable::Damaged) {
            std::ofstream(Path_, std::ios::binary) << "\xFF\xFF\xFF\x7Fgarbage";
            return;
        }
        File_.Reset(CreateFileW(Path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!File_)
            throw std::runtime_error("cannot make the test's skin file");
        if (kind == TUnusable::Oversized) {
            LARGE_INTEGER size{};
            size.QuadPart = TSkinReader::kMaxUnpackedSize + 1;
            if (!SetFilePointerEx(File_.Get(), size, nullptr, FILE_BEGIN) ||
                !SetEndOfFile(File_.Get()))
                throw std::runtime_error("cannot grow the test's skin file");
            File_.Reset(); // only the locked one stays open
        }
    }
    ~TUnusableSkinFile() {
        File_.Reset();
        std::error_code ignored;
        std::filesystem::remove_all(Path_, ignored);
    }
    TUnusableSkinFile(const TUnusableSkinFile&) = delete;
    TUnusableSkinFile& operator=(const TUnusableSkinFile&) = delete;

private:
    struct FileCloser {
        static inline const HANDLE Null = INVALID_HANDLE_VALUE;
        void operator()(HANDLE file) const { CloseHandle(file); }
    };

    std::filesystem::path Path_;
    UniqueHandle<HANDLE, FileCloser> File_;
};

} // namespace veyra::test
