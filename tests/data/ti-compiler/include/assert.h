#ifndef _ASSERT
#define _ASSERT
#define assert(expression) ((void)0)
#endif
