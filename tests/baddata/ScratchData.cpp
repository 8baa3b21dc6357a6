#include "baddata/ScratchData.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

ScratchData::ScratchData()
{
    std::string pattern = (fs::temp_directory_path() / "quib-data-XXXXXX").string();
    if (mkdtemp(pattern.data())) {
        folder = pattern;
        fs::copy(QUIB_SOURCE_DIR "/data", folder, fs::copy_options::recursive);
    }
}

ScratchData::~ScratchData()
{
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

std::vector<std::string> ScratchData::files(const std::string& subfolder) const
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder / subfolder)) {
        names.push_back(subfolder + "/" + entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void ScratchData::remove(const std::string& name) const { fs::remove(folder / name); }

void ScratchData::truncate(const std::string& name) const
{
    fs::resize_file(folder / name, fs::file_size(folder / name) / 2);
}

void ScratchData::scramble(const std::string& name) const
{
    std::string bytes(fs::file_size(folder / name), '\0');
    std::mt19937 random(static_cast<unsigned>(std::hash<std::string>()(name)));
    std::uniform_int_distribution<int> byte(0, 255);
    for (char& c : bytes) {
        c = static_cast<char>(byte(random));
    }
    write(name, bytes);
}

void ScratchData::write(const std::string& name, const std::string& content) const
{
    std::ofstream(folder / name, std::ios::binary | std::ios::trunc) << content;
}

void ScratchData::copy(const std::string& from, const std::string& to) const
{
    fs::copy_file(folder / from, folder / to, fs::copy_options::overwrite_existing);
}

bool ScratchData::convert(const std::string& name, const std::string& options, const std::string& outputPrefix) const
{
    const std::string file = (folder / name).string();
    std::ostringstream command;
    command << "convert '" << file << "' " << options << " '" << outputPrefix << file << "'";
    return std::system(command.str().c_str()) == 0 && !readAll(file).empty();
}
