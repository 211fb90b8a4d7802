#ifndef _MATH
#define _MATH
#define M_PI 3.14159265358979323846
double sqrt(double x);
double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);
double atan2(double y, double x);
double fabs(double x);
double floor(double x);
double ceil(double x);
double pow(double x, double y);
double exp(double x);
double log(double x);
float sqrtf(float x);
float fabsf(float x);
#endif
