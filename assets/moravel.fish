# Fish completion for Moravel's command line (moravel, and Kestrane by its own name).

function __moravel_profiles
    set -l program (commandline -opc)[1]
    $program profiles 2>/dev/null | string split -f2 \t
end

for program in moravel Kestrane
    set -l commands report picture profiles open today
    complete -c $program -f
    complete -c $program -n "not __fish_seen_subcommand_from $commands" -a report -d 'Print the daily report'
    complete -c $program -n "not __fish_seen_subcommand_from $commands" -a picture -d 'Write the report picture'
    complete -c $program -n "not __fish_seen_subcommand_from $commands" -a profiles -d 'List the profiles'
    complete -c $program -n "not __fish_seen_subcommand_from $commands" -a open -d 'Start with a profile selected'
    complete -c $program -n "not __fish_seen_subcommand_from $commands" -a today -d "Start with today's Daily Analysis"
    complete -c $program -n "not __fish_seen_subcommand_from $commands" -l version -d 'Show the version'
    complete -c $program -l help -d 'Show the help'
    complete -c $program -n "__fish_seen_subcommand_from report picture open" -l profile -x -a '(__moravel_profiles)' -d 'The profile'
    complete -c $program -n "__fish_seen_subcommand_from report picture open" -l date -x -d 'The date, YYYY-MM-DD'
    complete -c $program -n "__fish_seen_subcommand_from report" -l days -x -d 'How many days'
    complete -c $program -n "__fish_seen_subcommand_from report" -l format -x -a 'text json ics'
    complete -c $program -n "__fish_seen_subcommand_from profiles" -l format -x -a 'text json'
    complete -c $program -n "__fish_seen_subcommand_from picture" -l output -r -F -d 'The picture file'
end
