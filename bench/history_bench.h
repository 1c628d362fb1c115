#pragma once

// Prints the history's figures: one record written (median and worst of
// 100), the History window's first screen over 100,000 records, and a
// refilter by a plates fragment and by a date range; for the file on this
// PC and for a PostgreSQL server (TIDEWELL_BENCH_PG: the folder of a
// running server's socket; otherwise a throwaway one is started).
void printHistoryFigures();
