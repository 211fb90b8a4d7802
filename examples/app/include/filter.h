#ifndef FILTER_H
#define FILTER_H

int filterStep(int sample);

#endif
