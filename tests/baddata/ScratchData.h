#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

/// A copy of the game's data folder in a fresh temporary folder, whose files
/// a test may break; removed again with the object.
class ScratchData final {
public:
    ScratchData();
    ~ScratchData();
    ScratchData(const ScratchData&) = delete;
    ScratchData& operator=(const ScratchData&) = delete;

    const std::filesystem::path& root() const { return folder; }
    /// The files of one data folder ("images", "sounds", "shapes"), as the
    /// game names them ("images/wheel.png"), sorted.
    std::vector<std::string> files(const std::string& subfolder) const;

    void remove(const std::string& name) const;
    /// Keeps the first half of the file.
    void truncate(const std::string& name) const;
    /// The same number of bytes, drawn from a generator seeded with the name.
    void scramble(const std::string& name) const;
    void write(const std::string& name, const std::string& content) const;
    /// Puts a copy of one data file in the place of another.
    void copy(const std::string& from, const std::string& to) const;
    /// Runs an ImageMagick conversion of the picture onto itself, e.g.
    /// "-type Grayscale" or an output prefix such as "PNG8:"; false if it failed.
    bool convert(const std::string& name, const std::string& options, const std::string& outputPrefix) const;

private:
    std::filesystem::path folder;
};
