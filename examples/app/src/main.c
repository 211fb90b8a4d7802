#include "board.h"
#include "filter.h"

int main(void)
{
    boardInit();
    for (;;)
        filterStep(boardReadAdc());
}
