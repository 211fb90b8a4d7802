#ifndef _STRING
#define _STRING
#include <stddef.h>
void *memcpy(void *to, const void *from, size_t n);
void *memmove(void *to, const void *from, size_t n);
void *memset(void *mem, int ch, size_t n);
int memcmp(const void *a, const void *b, size_t n);
size_t strlen(const char *string);
char *strcpy(char *to, const char *from);
char *strncpy(char *to, const char *from, size_t n);
char *strcat(char *to, const char *from);
int strcmp(const char *a, const char *b);
int strncmp(const char *a, const char *b, size_t n);
char *strchr(const char *string, int ch);
char *strstr(const char *string, const char *part);
#endif
