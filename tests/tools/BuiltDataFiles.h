#pragma once
// The data files the build makes, as the tools' tests find them (the build lists them in
// DATA_FILES, separated by '|').

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

// The data files the build makes, by path.
inline std::vector<std::string> DataFiles() {
    std::vector<std::string> files;
    std::stringstream list(DATA_FILES);
    for (std::string file; std::getline(list, file, '|');) files.push_back(file);
    return files;
}

// The path of the data file of that name that the build makes.
inline std::string DataFile(const std::string& name) {
    for (const std::string& file : DataFiles()) {
        if (std::filesystem::path(file).filename() == name) return file;
    }
    return "(not built: " + name + ")";
}
