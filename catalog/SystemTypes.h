#pragma once

#include <filesystem>
#include <string>
#include <vector>

class LineCursor;
class RandomSource;
class Reporter;

// One portrait a system of a physical type may use.
struct SystemPortrait {
    std::string PhysicalType;
    std::string PortraitBitmap;
    std::string PortraitIndex;  // as read
};

// The portrait, background and atmosphere lists of "SystemTypes.txt".
class SystemTypeCatalog {
public:
    inline static const char* FileName = "SystemTypes.txt";

    // Rebuilds the three lists. A failure is reported with
    // "The 'SystemTypes.txt' path is incorrect" and returns false; what was
    // read so far stays.
    bool ParseSystemTypes(const std::filesystem::path& file, Reporter& reporter);
    void Clear();

    const std::vector<SystemPortrait>& Portraits() const { return portraits_; }
    const std::vector<std::string>& StellarBackgrounds() const { return backgrounds_; }
    const std::vector<std::string>& Atmospheres() const { return atmospheres_; }

    std::vector<SystemPortrait> PortraitsOfPhysicalType(const std::string& physicalType) const;
    // The first portrait with that bitmap; an empty entry when there is none.
    SystemPortrait FindPortrait(const std::string& portraitBitmap) const;
    // The name itself when it is a known background; empty text otherwise.
    std::string FindBackground(const std::string& imageName) const;
    // A background drawn uniformly; empty text when there is none.
    std::string RandomBackground(RandomSource& random) const;

private:
    // The readers of the three kinds of lines; each returns the line it read last.
    std::string ReadAtmospheres(LineCursor& in);
    std::string ReadPortrait(const std::string& first, LineCursor& in);
    void ReadBackgrounds(const std::string& countLine, LineCursor& in);

    std::vector<SystemPortrait> portraits_;
    std::vector<std::string> backgrounds_;
    std::vector<std::string> atmospheres_;
};
