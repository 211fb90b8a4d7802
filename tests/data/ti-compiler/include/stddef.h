/* A stand-in for the C library headers of TI's compilers, which take
   their types from macros the compiler predefines. */
#ifndef _STDDEF
#define _STDDEF
typedef __PTRDIFF_T_TYPE__ ptrdiff_t;
typedef __SIZE_T_TYPE__ size_t;
#ifndef __cplusplus
typedef __WCHAR_T_TYPE__ wchar_t;
#endif
#define NULL ((void *)0)
#define offsetof(type, member) __builtin_offsetof(type, member)
#endif
