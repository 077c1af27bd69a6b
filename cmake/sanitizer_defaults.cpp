// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sanitizers' defaults for every program of a sanitizer build; the environment (ASAN_OPTIONS,
// LSAN_OPTIONS, UBSAN_OPTIONS) can still add to them.

extern "C" {

// The leak check at exit is on; an allocation keeps only its innermost frames, so that a suppression
// of a third-party library (cmake/lsan.supp) matches only allocations made inside that library, never
// one of ours that merely runs below Qt's event loop.
const char* __asan_default_options() { return "detect_leaks=1:malloc_context_size=6:detect_stack_use_after_return=0"; }

const char* __lsan_default_options() { return "print_suppressions=0:suppressions=" KESTRUN_LSAN_SUPPRESSIONS; }

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
}
