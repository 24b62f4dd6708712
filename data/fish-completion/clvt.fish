# Fish completion for clvt: commands, each command's options and the values of --calendar
# that command takes. Nothing is offered where a DATE, a number or AMOUNTS are expected:
# those are typed. tests/install/completion_test.sh holds this file, and the bash and zsh
# ones, to clvt's own option table.

set -l commands convert sequence equinox help
set -l calendars gregorian julian dee
set -l weekdays sunday monday tuesday wednesday thursday friday saturday
complete -c clvt -f

complete -c clvt -n "not __fish_seen_subcommand_from $commands" -a convert -d 'Convert a date'
complete -c clvt -n "not __fish_seen_subcommand_from $commands" -a sequence -d 'List a run of days'
complete -c clvt -n "not __fish_seen_subcommand_from $commands" -a equinox -d 'Tabulate March equinoxes'
complete -c clvt -n "not __fish_seen_subcommand_from $commands" -a help -d 'Show the options of a command'
complete -c clvt -n "not __fish_seen_subcommand_from $commands" -s h -l help -d 'Show the commands'
complete -c clvt -n "not __fish_seen_subcommand_from $commands" -s V -l version -d 'Show the version'
complete -c clvt -n "__fish_seen_subcommand_from help; and not __fish_seen_subcommand_from convert sequence equinox" -a 'convert sequence equinox'

set -l dated "__fish_seen_subcommand_from convert sequence"
set -l any "__fish_seen_subcommand_from convert sequence equinox"
complete -c clvt -n "__fish_seen_subcommand_from convert" -l calendar -x -a "$calendars $weekdays" -d 'Calendar of DATE'
complete -c clvt -n "__fish_seen_subcommand_from sequence" -l calendar -x -a "$calendars" -d 'Calendar of DATE'
complete -c clvt -n $dated -l plus -x -d 'Add AMOUNTS first'
complete -c clvt -n $dated -l minus -x -d 'Subtract AMOUNTS first'
complete -c clvt -n "__fish_seen_subcommand_from convert" -l jdn -x -d 'The day with this Julian day number'
complete -c clvt -n "__fish_seen_subcommand_from sequence" -l days -x -d 'Number of days'
complete -c clvt -n "__fish_seen_subcommand_from equinox" -l years -x -d 'Number of years'
complete -c clvt -n "__fish_seen_subcommand_from equinox" -l longitude -x -d 'Western longitude, DdMm'
complete -c clvt -n "__fish_seen_subcommand_from equinox" -l mean -d 'Mean solar time'
complete -c clvt -n $any -l dee -d 'The Dee variant'
complete -c clvt -n $any -l dee-cecil -d 'The Dee-Cecil variant'
complete -c clvt -n $any -l json -d 'Print JSON'
complete -c clvt -n $any -s h -l help -d 'Show the options'
