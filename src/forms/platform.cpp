#include "forms/platform.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace forms {

namespace fs = std::filesystem;

namespace {

Platform* g_platform = nullptr;

bool nameLess(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;  // same name but for case: the exact names decide
}

// Bare names of the entries of `path` that pass `keep`, in name order.
// Every failure (missing folder, no permission, an entry vanishing while
// listed) ends the listing quietly with what was read so far.
template <class Keep>
std::vector<std::string> listNames(const std::string& path, Keep keep) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(fs::path(path), fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeEc;
        if (keep(*it, typeEc) && !typeEc) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

}  // namespace

bool Platform::folderExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::path(path), ec);
}

std::vector<std::string> Platform::subFolders(const std::string& path) {
    return listNames(path, [](const fs::directory_entry& e, std::error_code& ec) { return e.is_directory(ec); });
}

std::vector<std::string> Platform::files(const std::string& path) {
    return listNames(path,
                     [](const fs::directory_entry& e, std::error_code& ec) { return e.is_regular_file(ec); });
}

Platform& platform() {
    // Without an installed platform (a test that forgot one), answer as a
    // scripted platform would: never a real dialog.
    static ScriptedPlatform fallback;
    return g_platform ? *g_platform : fallback;
}

void setPlatform(Platform* p) { g_platform = p; }

// --- ScriptedPlatform ---------------------------------------------------------

int ScriptedPlatform::msgBox(const std::string& prompt, int buttons, const std::string& title) {
    calls.push_back({"msgBox", prompt, title});
    if (!msgBoxAnswers.empty()) {
        const int answer = msgBoxAnswers.front();
        msgBoxAnswers.pop_front();
        return answer;
    }
    return (buttons & 7) == vbYesNo ? vbNo : vbOK;
}

std::string ScriptedPlatform::inputBox(const std::string& prompt, const std::string& title,
                                       const std::string&) {
    calls.push_back({"inputBox", prompt, title});
    if (inputAnswers.empty()) return "";
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

namespace {

std::string nextFile(std::deque<std::string>& answers) {
    if (answers.empty()) return "";
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace

std::string ScriptedPlatform::saveFileDialog(const std::string& title, const std::string& filter) {
    calls.push_back({"saveFileDialog", filter, title});
    return nextFile(fileAnswers);
}

std::string ScriptedPlatform::openFileDialog(const std::string& title, const std::string& filter) {
    calls.push_back({"openFileDialog", filter, title});
    return nextFile(fileAnswers);
}

void ScriptedPlatform::playSound(const std::string& path) { calls.push_back({"playSound", path, ""}); }

int ScriptedPlatform::count(const std::string& what) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const Call& c) { return c.what == what; }));
}

}  // namespace forms
