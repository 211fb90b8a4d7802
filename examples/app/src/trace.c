#include "Board.h"

#ifdef _DEBUG
/* The last four samples, for the debugger: Debug builds only. */
static int history[4];
static int next;

interrupt void traceIsr(void)
{
    history[next] = boardReadAdc();
    next = (next + 1) % 4;
    /* One past the end: the defect that the analysers find in Debug. */
    history[4] = 0;
}
#endif
