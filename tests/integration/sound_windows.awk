# Reads "sox -t dat" lines (time, left, right) and prints for each window of `win`
# seconds its start time and the RMS of the left and the right channel.
/^;/ { next }
{ w = int($1 / win); if (w != cur && n > 0) { printf "%.2f %.5f %.5f\n", cur * win, sqrt(l / n), sqrt(r / n); l = r = n = 0 } cur = w; l += $2 * $2; r += $3 * $3; n++ }
END { if (n > 0) printf "%.2f %.5f %.5f\n", cur * win, sqrt(l / n), sqrt(r / n) }
