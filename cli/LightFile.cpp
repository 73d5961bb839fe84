#include "cli/LightFile.h"

#include <sstream>

namespace talvane68::cli {

namespace {

bool parseChannel(const std::string& word, int& value) {
    if (word.empty() || word.size() > 3) {
        return false;
    }
    value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return value <= 255;
}

}  // namespace

std::optional<LightValues> parseLightText(const std::string& text, std::string& error) {
    LightValues values{};
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    int key = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first[0] == '#') {
            continue;
        }
        if (key == kLightKeys) {
            error = "line " + std::to_string(lineNumber) + ": more than " + std::to_string(kLightKeys) +
                    " colours";
            return std::nullopt;
        }
        std::string rest[3];
        rest[0] = first;
        words >> rest[1] >> rest[2];
        std::string extra;
        int rgb[3];
        const bool ok = parseChannel(rest[0], rgb[0]) && parseChannel(rest[1], rgb[1]) &&
                        parseChannel(rest[2], rgb[2]) && !(words >> extra);
        if (!ok) {
            error = "line " + std::to_string(lineNumber) +
                    ": expected \"r g b\" with numbers 0..255, got \"" + line + "\"";
            return std::nullopt;
        }
        for (int i = 0; i < 3; ++i) {
            values[key * 3 + i] = rgb[i];
        }
        ++key;
    }
    if (key != kLightKeys) {
        error = "expected " + std::to_string(kLightKeys) + " colours, found " + std::to_string(key);
        return std::nullopt;
    }
    return values;
}

std::string formatLightText(const LightValues& values) {
    std::string text;
    for (int key = 0; key < kLightKeys; ++key) {
        text += std::to_string(values[key * 3]) + " " + std::to_string(values[key * 3 + 1]) + " " +
                std::to_string(values[key * 3 + 2]) + "\n";
    }
    return text;
}

}  // namespace talvane68::cli
