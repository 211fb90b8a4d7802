#ifndef BOARD_H
#define BOARD_H

void boardInit(void);
int boardReadAdc(void);
void boardWritePwm(unsigned channel, unsigned duty);

#endif
