#ifndef _STDLIB
#define _STDLIB
#include <stddef.h>
void *malloc(size_t size);
void *calloc(size_t count, size_t size);
void *realloc(void *pointer, size_t size);
void free(void *pointer);
int abs(int value);
long labs(long value);
int atoi(const char *string);
double atof(const char *string);
long strtol(const char *string, char **end, int base);
unsigned long strtoul(const char *string, char **end, int base);
int rand(void);
void srand(unsigned seed);
void exit(int status);
void abort(void);
#endif
