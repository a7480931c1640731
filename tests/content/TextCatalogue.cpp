#include "TextCatalogue.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> splitOn(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : s) {
        if (c == sep) {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    return parts;
}

bool isNumber(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

bool validNumberSpec(const std::string& spec) {
    std::vector<std::string> parts = splitOn(spec, '/');
    if (!isNumber(parts[0])) return false;
    for (size_t i = 1; i < parts.size(); ++i)
        if (parts[i].size() < 3 || !isNumber(parts[i].substr(2))) return false;
    return true;
}

bool parseBox(const std::string& text, TextBox* box) {
    std::vector<std::string> f = splitOn(text, ':');
    if (f.size() != 5) return false;
    if (f[0] == "line") box->kind = TextBox::Line;
    else if (f[0] == "wrap") box->kind = TextBox::Wrap;
    else if (f[0] == "para") box->kind = TextBox::Para;
    else if (f[0] == "fit") box->kind = TextBox::Fit;
    else if (f[0] == "shrink") box->kind = TextBox::Shrink;
    else if (f[0] == "shrinkwrap") box->kind = TextBox::ShrinkWrap;
    else return false;
    box->font = f[1];
    box->size = f[2];
    box->width = f[3];
    box->height = f[4];
    return !box->font.empty() && validNumberSpec(f[2]) && validNumberSpec(f[3]) && validNumberSpec(f[4]);
}

// Bytes <= 32 go at both ends, as the game trims its lines.
std::string trimmed(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= 32) ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= 32) --b;
    return s.substr(a, b - a);
}

bool validUtf8(const std::string& s) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = s[i];
        int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (n < 0 || i + n >= s.size() + (n == 0 ? 1 : 0)) return false;  // a sequence cut by the end
        for (int k = 1; k <= n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += n + 1;
    }
    return true;
}

}  // namespace

const std::vector<LanguageCase>& shippedLanguages() {
    static const std::vector<LanguageCase> languages = {{"english", "en", 0}, {"german", "de", 1}, {"spanish", "es", 2}, {"french", "fr", 3}, {"italian", "it", 4}};
    return languages;
}

Catalogue loadCatalogue(const std::string& path) {
    Catalogue cat;
    std::ifstream in(path);
    if (!in) {
        cat.errors.push_back("cannot open " + path);
        return cat;
    }
    std::string line;
    bool header = false;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (!header) {
            header = true;
            if (line != "id\tuse\twhere\tbox\tformats") cat.errors.push_back("unexpected header: " + line);
            continue;
        }
        std::vector<std::string> f = splitOn(line, '\t');
        if (f.size() != 5 || !isNumber(f[0])) {
            cat.errors.push_back("malformed row: " + line);
            continue;
        }
        CatalogueEntry e;
        e.id = std::atoi(f[0].c_str());
        if (e.id != static_cast<int>(cat.entries.size())) {
            cat.errors.push_back("ids out of order at " + f[0]);
            continue;
        }
        if (f[1] != "used" && f[1] != "unused") cat.errors.push_back("bad use column at " + f[0]);
        e.used = f[1] == "used";
        e.where = f[2];
        if (f[3] != "-") {
            for (const std::string& b : splitOn(f[3], ';')) {
                TextBox box;
                if (parseBox(b, &box)) e.boxes.push_back(box);
                else cat.errors.push_back("bad box \"" + b + "\" at " + f[0]);
            }
        }
        if (f[4] != "-") {
            e.isFormat = true;
            for (const std::string& conv : splitOn(f[4], ' ')) {
                if (conv.size() != 2 || conv[0] != '%') cat.errors.push_back("bad format at " + f[0]);
                else e.formats += conv[1];
            }
        }
        cat.entries.push_back(e);
    }
    return cat;
}

LanguageFile readLanguageFile(const std::string& path) {
    LanguageFile file;
    std::ifstream in(path, std::ios::binary);
    if (!in) return file;
    file.opened = true;
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string all = buffer.str();
    file.endsWithOneLineFeed = all.size() >= 1 && all.back() == '\n' &&
                               (all.size() < 2 || all[all.size() - 2] != '\n');
    if (!validUtf8(all)) file.problems.push_back("the file is not valid UTF-8");
    std::vector<std::string> lines = splitOn(all, '\n');
    // The final line feed makes one more, empty, text; the checks look at the written lines only.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    int lineNumber = 0;
    for (const std::string& raw : lines) {
        ++lineNumber;
        std::string where = "line " + std::to_string(lineNumber) + ": ";
        std::string line = trimmed(raw);
        if (!line.empty() && line[0] == '#') {
            size_t at = line.find('@');
            if (at != std::string::npos && line.find_first_not_of(" #") == at && at + 1 < line.size() &&
                isdigit(static_cast<unsigned char>(line[at + 1])))
                file.markers.push_back({std::atoi(line.c_str() + at + 1), static_cast<int>(file.texts.size())});
            continue;
        }
        if (line != raw && !(raw.size() == line.size() + 1 && raw.back() == '\r'))
            file.problems.push_back(where + "blanks around the text (the game trims them away)");
        if (line.find('\t') != std::string::npos) file.problems.push_back(where + "tab inside the text");
        std::string text;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\') {
                if (i + 1 < line.size() && line[i + 1] == 'n') {
                    text += '\n';
                    ++i;
                    continue;
                }
                file.problems.push_back(where + "backslash not followed by n");
            }
            text += line[i];
        }
        file.rawTexts.push_back(line);
        file.texts.push_back(text);
    }
    return file;
}

std::string conversionLetters(const std::string& text, bool* bad) {
    std::string letters;
    *bad = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        size_t j = i + 1;
        if (j < text.size() && text[j] == '%') {
            i = j;
            continue;
        }
        while (j < text.size() && std::string("-+ #0").find(text[j]) != std::string::npos) ++j;
        while (j < text.size() && isdigit(static_cast<unsigned char>(text[j]))) ++j;
        if (j < text.size() && text[j] == '.') {
            ++j;
            while (j < text.size() && isdigit(static_cast<unsigned char>(text[j]))) ++j;
        }
        if (j < text.size() && std::string("diuxXcsf").find(text[j]) != std::string::npos) {
            letters += text[j] == 'i' ? 'd' : text[j];
            i = j;
        } else {
            *bad = true;  // "%" before nothing printf knows, or %n, %1$d and the like
        }
    }
    return letters;
}

int valueFor(const std::string& spec, const std::string& language) {
    std::vector<std::string> parts = splitOn(spec, '/');
    for (size_t i = 1; i < parts.size(); ++i)
        if (parts[i].compare(0, 2, language) == 0) return std::atoi(parts[i].c_str() + 2);
    return std::atoi(parts[0].c_str());
}

std::string withSampleValues(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size()) {
            char c = text[i + 1];
            if (c == '%') out += '%';
            else if (c == 'd') out += "30";
            else if (c == 's') out += "Free Play";
            else out += text.substr(i, 2);
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}
