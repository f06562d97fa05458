// Times the configuration's way through the store with drive A: mapped to a scratch folder:
// open (floppy file to working copy), load (working copy to record) and save (record to
// working copy to floppy file), for the default file and for a file of about 1 MB with 20,000
// lines the tool does not know.
#include <windows.h>

#include <cstdio>
#include <string>

#include "config/ConfigFormat.h"
#include "config/ConfigStore.h"
#include "framework/MessageBox.h"
#include "support/FloppyDrive.h"

namespace {

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string MegabyteFile() {
    std::string file = DefaultConfigBody();
    char line[64];
    for (int i = 0; i < 20000; ++i) {
        std::snprintf(line, sizeof line, "site%05d=%s\r\n", i,
                      "abcdefghijklmnopqrstuvwxyz0123456789abcdef");
        file += line;
    }
    return file;
}

// Runs the cycle; false when a step failed or the floppy file changed.
bool Measure(test::FloppyDrive& floppy, const char* name, const std::string& file, int iterations) {
    floppy.WriteFile("dp.ini", file);
    double open = 0, load = 0, save = 0;
    for (int i = 0; i < iterations; ++i) {
        ServerConfig config;
        const double t0 = NowMs();
        const int opened = OpenConfigStore(kFloppyConfigPath);
        const double t1 = NowMs();
        LoadConfiguration(config);
        const double t2 = NowMs();
        const bool saved = SaveConfiguration(config);
        const double t3 = NowMs();
        if (opened != 1 || !saved || floppy.ReadFile("dp.ini") != file) {
            std::printf("%s: the store failed or changed the file\n", name);
            return false;
        }
        open += t1 - t0;
        load += t2 - t1;
        save += t3 - t2;
    }
    const double n = iterations;
    std::printf("%-28s %8zu bytes  open %8.2f ms  load %8.2f ms  save %8.2f ms  "
                "load+save %8.2f ms  (mean of %d)\n",
                name, file.size(), open / n, load / n, save / n, (open + load + save) / n,
                iterations);
    return true;
}

} // namespace

int main() {
    // A box would mean a failure; answer it instead of waiting for a person.
    fw::SetMessageBoxHook([](HWND, const std::string& text, const std::string&, UINT) {
        std::printf("message box: %s\n", text.c_str());
        return IDCANCEL;
    });
    test::FloppyDrive floppy;
    const bool ok = Measure(floppy, "default file", DefaultConfigBody(), 100) &&
                    Measure(floppy, "1 MB, 20,000 unknown lines", MegabyteFile(), 10);
    return ok ? 0 : 1;
}
