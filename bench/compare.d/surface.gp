# SPDX-License-Identifier: GPL-3.0-or-later
# The benchmark surface as gnuplot draws it: 301 x 301 points of
# sin(x)*cos(y) over -10..10, solid (pm3d, depth-ordered), 800 x 600 PNG.
set terminal pngcairo size 800,600
set xrange [-10:10]
set yrange [-10:10]
set zrange [-10:10]
set isosamples 301, 301
set samples 301, 301
set view 60, 30
set pm3d depthorder
unset colorbox
splot sin(x)*cos(y) with pm3d notitle
