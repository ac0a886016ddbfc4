#include "runtime/iconv_converter.h"

#include <iconv.h>

#include <cerrno>

namespace {

// One descriptor per thread and direction: iconv_open is costly and a descriptor
// must not be shared between threads.
class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::optional<std::string> Convert(std::string_view text) {
        if (!valid()) return std::nullopt;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string in(text);
        std::string out(in.size() * 2 + 4, '\0');
        char* inPtr = in.data();
        size_t inLeft = in.size();
        size_t done = 0;
        while (inLeft > 0) {
            char* outPtr = out.data() + done;
            size_t outLeft = out.size() - done;
            const size_t result = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
            done = out.size() - outLeft;
            if (result != static_cast<size_t>(-1)) break;
            if (errno != E2BIG) return std::nullopt;
            out.resize(out.size() * 2);
        }
        out.resize(done);
        return out;
    }

  private:
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle_;
};

}  // namespace

std::optional<std::string> ConvertGbk(GbkDirection direction, std::string_view text) {
    thread_local Converter fromUtf8("GBK", "UTF-8");
    thread_local Converter toUtf8("UTF-8", "GBK");
    return direction == GbkDirection::kFromUtf8 ? fromUtf8.Convert(text) : toUtf8.Convert(text);
}
