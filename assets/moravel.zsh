#compdef moravel Kestrane
# Zsh completion for Moravel's command line (moravel, and Kestrane by its own name).

_moravel_profiles() {
  # The descriptions as the program lists them, one a line, offered as they are.
  local -a names
  names=("${(@f)$(${~_moravel_program} profiles 2>/dev/null | cut -f2)}")
  compadd -a names
}

_moravel() {
  local -a commands
  commands=(
    'report:print the daily report of one or more days'
    'picture:write the report picture'
    'profiles:list the profiles'
    'open:start Moravel with a profile selected'
    "today:start Moravel with today's Daily Analysis"
  )
  if (( CURRENT == 2 )); then
    _describe -t commands 'command' commands
    compadd -- --help --version
    return
  fi
  typeset -g _moravel_program=$words[1]
  local command=$words[2]
  shift words
  (( CURRENT-- ))
  local profile='--profile[the profile, by its description]:profile:_moravel_profiles'
  local date='--date[the date]:date (YYYY-MM-DD):'
  case $command in
    report)
      _arguments $profile $date '--days[how many days]:days (1 to 3660):' \
        '--format[the output]:format:(text json ics)' '--help[show the help]' ;;
    picture)
      _arguments $profile $date '--output[the picture file]:file:_files' '--help[show the help]' ;;
    profiles)
      _arguments '--format[the output]:format:(text json)' '--help[show the help]' ;;
    open)
      _arguments $profile $date '--help[show the help]' ;;
    today)
      _arguments '--help[show the help]' ;;
    --help)
      (( CURRENT == 2 )) && compadd report picture profiles open today ;;
  esac
}

_moravel "$@"
