#include "board.h"

void pwmSetDuty(unsigned channel, unsigned duty)
{
    boardWritePwm(channel, duty);
}
