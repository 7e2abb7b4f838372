        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
#        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
!        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
v        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
#        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
X        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
:        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
G        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
3        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
0        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
#        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
v        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
:        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
v        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
v        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
#        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
,        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
,        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
#        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
w        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
q        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
,        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
#        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
(        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
0        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
K        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
G        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
(        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
j        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
+        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
+        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
v        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
v        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
K        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
G        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
(        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
1        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
4        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
v        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
(        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
:        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
2        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
0        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
(        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
(        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
@        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
q        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
W        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
'        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
\        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
'        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
2        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
>        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
v        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
q        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
'        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
'        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
+        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
(        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
#        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
@        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
q        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
0        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
&        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
&        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
(        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
0        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
:        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
*        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
q        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
q        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
v        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
B        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
v        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
q        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
q        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
@        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
#        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
:        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
,        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
(        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
1        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
K        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
G        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
@        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
j        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
B        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
G        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
j        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
@        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
1        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
:        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
M        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
K        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
B        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
W        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
x        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
@        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
M        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
K        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
B        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
W        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
&        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
&        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
j        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
2        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
M        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
K        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
B        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
B        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
H        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
&        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
&        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
B        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
1        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
j        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
2        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
K        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
G        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
@        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
X        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
X        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
+        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
+        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
M        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
K        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
B        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
W        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
\        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
B        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
G        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
@        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
:        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
x        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
1        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
\        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
2        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
>        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
&        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
1        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
'        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
x        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
M        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
M        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
'        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
[        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
0        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
q        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
0        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
]        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
'        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
*        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
p        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
'        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
'        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
*        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
'        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
x        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
W        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
C        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
M        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
A        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
K        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
B        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
Y        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
P        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
R        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
B        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
U        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
L        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
D        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
E        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
S        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
T        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
I        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
N        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
G        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
=        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
O        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
F        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
l        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
_        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
$        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
{        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
@        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
:        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
2        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
}        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
*        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
)        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
g        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
:        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
/        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
d        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
v        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
.        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
u        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
z        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
f        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
o        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
r        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
m        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
-        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
k        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
|        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
b        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
n        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
h        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
"        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
>        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
&        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
2        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
x        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
i        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
t        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
2        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
         log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
;        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
e        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
s        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
a        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
c        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"

        log="build-fuzz/fuzz_$f.log"
        if ! ./build-fuzz/fuzz/fuzz_$f -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
