# The stake arithmetic needs long double to be the 80-bit x87 extended format: a 64-bit significand
# and a 15-bit exponent. Stop early, and say why, on a target where it is something else.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles([=[
  #include <cfloat>
  static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384 && LDBL_MIN_EXP == -16381, "");
  int main() { return 0; }
]=] KESTRUN_HAS_X87_EXTENDED)
if(NOT KESTRUN_HAS_X87_EXTENDED)
  message(FATAL_ERROR
    "kestrun computes its amounts in the 80-bit extended format (64-bit significand, 15-bit exponent), "
    "and long double is something else on this target (${CMAKE_SYSTEM_PROCESSOR}, ${CMAKE_CXX_COMPILER_ID}). "
    "Build on x86 or x86-64 with GCC or Clang.")
endif()
