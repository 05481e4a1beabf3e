// Defines libcups' deprecated PPD functions to trace them; the declarations come from
// cups/ppd.h and their deprecation warnings are silenced for this file only.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "bench/actions/CupsTrace.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace cupstrace {

namespace {

Calls* recording = nullptr;
// Depth of traced calls in progress: libcups calls its own exported functions, and
// those inner calls must neither be noted nor be mistaken for the caller's.
int depth = 0;

template <class F>
F real(const char* name)
{
    void* symbol = dlsym(RTLD_NEXT, name);
    if (!symbol) {
        std::fprintf(stderr, "bench-actions: libcups has no %s\n", name);
        std::abort();
    }
    return reinterpret_cast<F>(symbol);
}

using MarkOptionFn = int (*)(ppd_file_t*, const char*, const char*);
using FindMarkedChoiceFn = ppd_choice_t* (*)(ppd_file_t*, const char*);
using FindOptionFn = ppd_option_t* (*)(ppd_file_t*, const char*);
using FindChoiceFn = ppd_choice_t* (*)(ppd_option_t*, const char*);

MarkOptionFn realMarkOption()
{
    static const MarkOptionFn f = real<MarkOptionFn>("ppdMarkOption");
    return f;
}
FindMarkedChoiceFn realFindMarkedChoice()
{
    static const FindMarkedChoiceFn f = real<FindMarkedChoiceFn>("ppdFindMarkedChoice");
    return f;
}
FindOptionFn realFindOption()
{
    static const FindOptionFn f = real<FindOptionFn>("ppdFindOption");
    return f;
}
FindChoiceFn realFindChoice()
{
    static const FindChoiceFn f = real<FindChoiceFn>("ppdFindChoice");
    return f;
}

// Only while recording: outside it a traced call costs one test and one indirect call.
bool noting() { return recording && depth == 0; }

struct Nested {
    Nested() { ++depth; }
    ~Nested() { --depth; }
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;
};

} // namespace

void start(Calls* calls) { recording = calls; }
void stop() { recording = nullptr; }

quintptr replay(const Calls& calls)
{
    quintptr sum = 0;
    for (const Call& c : calls) {
        switch (c.kind) {
        case Call::MarkOption:
            sum += static_cast<quintptr>(realMarkOption()(c.ppd, c.first.constData(), c.second.constData()));
            break;
        case Call::FindMarkedChoice:
            sum += reinterpret_cast<quintptr>(realFindMarkedChoice()(c.ppd, c.first.constData()));
            break;
        case Call::FindOption:
            sum += reinterpret_cast<quintptr>(realFindOption()(c.ppd, c.first.constData()));
            break;
        case Call::FindChoice:
            sum += reinterpret_cast<quintptr>(realFindChoice()(c.option, c.first.constData()));
            break;
        }
    }
    return sum;
}

} // namespace cupstrace

using cupstrace::Call;

extern "C" int ppdMarkOption(ppd_file_t* ppd, const char* keyword, const char* option)
{
    if (cupstrace::noting())
        cupstrace::recording->append({Call::MarkOption, ppd, nullptr, QByteArray(keyword), QByteArray(option)});
    const cupstrace::Nested nested;
    return cupstrace::realMarkOption()(ppd, keyword, option);
}

extern "C" ppd_choice_t* ppdFindMarkedChoice(ppd_file_t* ppd, const char* keyword)
{
    if (cupstrace::noting()) cupstrace::recording->append({Call::FindMarkedChoice, ppd, nullptr, QByteArray(keyword), {}});
    const cupstrace::Nested nested;
    return cupstrace::realFindMarkedChoice()(ppd, keyword);
}

extern "C" ppd_option_t* ppdFindOption(ppd_file_t* ppd, const char* keyword)
{
    if (cupstrace::noting()) cupstrace::recording->append({Call::FindOption, ppd, nullptr, QByteArray(keyword), {}});
    const cupstrace::Nested nested;
    return cupstrace::realFindOption()(ppd, keyword);
}

extern "C" ppd_choice_t* ppdFindChoice(ppd_option_t* o, const char* option)
{
    if (cupstrace::noting()) cupstrace::recording->append({Call::FindChoice, nullptr, o, QByteArray(option), {}});
    const cupstrace::Nested nested;
    return cupstrace::realFindChoice()(o, option);
}
