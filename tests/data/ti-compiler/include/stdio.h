#ifndef _STDIO
#define _STDIO
#include <stdarg.h>
#include <stddef.h>
typedef struct { int fd; } FILE;
extern FILE *stdout;
int printf(const char *format, ...);
int sprintf(char *string, const char *format, ...);
int snprintf(char *string, size_t n, const char *format, ...);
int vsnprintf(char *string, size_t n, const char *format, va_list arguments);
int puts(const char *string);
int putchar(int ch);
#endif
