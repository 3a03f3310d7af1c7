// libstdc++'s default handler for an exception nobody catches writes the exception's type, in
// words, to standard error before it aborts. A windowed program has no standard error, and the
// demangler that finds those words is a seventh of the exe; this handler only aborts, as the
// default does after writing. Other runtimes have their own handler and never see this one.
#include <cstdlib>

// Defined by libstdc++'s own headers, so only after the include above.
#if defined(__GLIBCXX__)

namespace __gnu_cxx {

void __verbose_terminate_handler();

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx

#endif
