<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>AppShell</name>
    <message>
        <source> Папка программы только для чтения: настройки сохраняются в %1 </source>
        <translation> Program folder is read-only: settings are saved in %1 </translation>
    </message>
    <message>
        <source> Вывод DMX без приоритета реального времени </source>
        <translation> DMX output without real-time priority </translation>
    </message>
</context>
<context>
    <name>BaseForm</name>
    <message>
        <source>Свободно на диске</source>
        <translation>Free disk space</translation>
    </message>
    <message>
        <source>Размер диска  </source>
        <translation>Disk size  </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Световой пульт DMX512 для USB-интерфейсов на FTDI</source>
        <translation>DMX512 lighting controller for FTDI-based USB interfaces</translation>
    </message>
    <message>
        <source>Файл шоу (.kvl), открываемый вместо последнего</source>
        <translation>A show file (.kvl) to open instead of the last one</translation>
    </message>
    <message>
        <source>Можно открыть только одно шоу, а названо %1</source>
        <translation>Only one show can be opened, but %1 are named</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Повторить отменённое</source>
        <translation>Redo what was undone</translation>
    </message>
</context>
<context>
    <name>ConveyorKeys</name>
    <message>
        <source>пусто</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>(пусто)</source>
        <translation>(empty)</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Файл %1 уже существует.
Заменить его?</source>
        <translation>File %1 already exists.
Replace it?</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>GoboImages</name>
    <message>
        <source>Диммер</source>
        <translation>Dimmer</translation>
    </message>
    <message>
        <source>Диммер точно</source>
        <translation>Dimmer fine</translation>
    </message>
    <message>
        <source>Затвор</source>
        <translation>Shutter</translation>
    </message>
    <message>
        <source>Строб</source>
        <translation>Strobe</translation>
    </message>
    <message>
        <source>Строб быстрый</source>
        <translation>Fast strobe</translation>
    </message>
    <message>
        <source>Строб случайный</source>
        <translation>Random strobe</translation>
    </message>
    <message>
        <source>Пульс</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>Плавное включение</source>
        <translation>Fade in</translation>
    </message>
    <message>
        <source>Плавное выключение</source>
        <translation>Fade out</translation>
    </message>
    <message>
        <source>Кривая диммера</source>
        <translation>Dimmer curve</translation>
    </message>
    <message>
        <source>Затемнение</source>
        <translation>Blackout</translation>
    </message>
    <message>
        <source>Колесо цвета</source>
        <translation>Colour wheel</translation>
    </message>
    <message>
        <source>Вращение колеса цвета</source>
        <translation>Colour wheel rotation</translation>
    </message>
    <message>
        <source>Колесо: красный</source>
        <translation>Wheel: red</translation>
    </message>
    <message>
        <source>Колесо: оранжевый</source>
        <translation>Wheel: orange</translation>
    </message>
    <message>
        <source>Колесо: жёлтый</source>
        <translation>Wheel: yellow</translation>
    </message>
    <message>
        <source>Колесо: зелёный</source>
        <translation>Wheel: green</translation>
    </message>
    <message>
        <source>Колесо: голубой</source>
        <translation>Wheel: cyan</translation>
    </message>
    <message>
        <source>Колесо: синий</source>
        <translation>Wheel: blue</translation>
    </message>
    <message>
        <source>Колесо: пурпурный</source>
        <translation>Wheel: magenta</translation>
    </message>
    <message>
        <source>Колесо: белый</source>
        <translation>Wheel: white</translation>
    </message>
    <message>
        <source>Красный</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Зелёный</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Синий</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Янтарный</source>
        <translation>Amber</translation>
    </message>
    <message>
        <source>Белый</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Ультрафиолет</source>
        <translation>Ultraviolet</translation>
    </message>
    <message>
        <source>Голубой</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Пурпурный</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Жёлтый</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Лайм</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>CTO (теплее)</source>
        <translation>CTO (warmer)</translation>
    </message>
    <message>
        <source>CTB (холоднее)</source>
        <translation>CTB (cooler)</translation>
    </message>
    <message>
        <source>Цветовая температура</source>
        <translation>Colour temperature</translation>
    </message>
    <message>
        <source>Смешение RGB</source>
        <translation>RGB mixing</translation>
    </message>
    <message>
        <source>Смешение CMY</source>
        <translation>CMY mixing</translation>
    </message>
    <message>
        <source>Оттенок</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>Насыщенность</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Радуга</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>Колесо гобо</source>
        <translation>Gobo wheel</translation>
    </message>
    <message>
        <source>Вращение гобо</source>
        <translation>Gobo rotation</translation>
    </message>
    <message>
        <source>Вращение гобо влево</source>
        <translation>Gobo rotation left</translation>
    </message>
    <message>
        <source>Вращение гобо вправо</source>
        <translation>Gobo rotation right</translation>
    </message>
    <message>
        <source>Индекс гобо</source>
        <translation>Gobo index</translation>
    </message>
    <message>
        <source>Тряска гобо</source>
        <translation>Gobo shake</translation>
    </message>
    <message>
        <source>Колесо гобо 2</source>
        <translation>Gobo wheel 2</translation>
    </message>
    <message>
        <source>Гобо %1</source>
        <translation>Gobo %1</translation>
    </message>
    <message>
        <source>Призма</source>
        <translation>Prism</translation>
    </message>
    <message>
        <source>Вращение призмы</source>
        <translation>Prism rotation</translation>
    </message>
    <message>
        <source>Призма 3-гранная</source>
        <translation>3-facet prism</translation>
    </message>
    <message>
        <source>Призма 5-гранная</source>
        <translation>5-facet prism</translation>
    </message>
    <message>
        <source>Линейная призма</source>
        <translation>Linear prism</translation>
    </message>
    <message>
        <source>Индекс призмы</source>
        <translation>Prism index</translation>
    </message>
    <message>
        <source>Фокус</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Зум</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Ирис</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Фрост</source>
        <translation>Frost</translation>
    </message>
    <message>
        <source>Матовый фильтр</source>
        <translation>Diffusion filter</translation>
    </message>
    <message>
        <source>Шторки</source>
        <translation>Framing shutters</translation>
    </message>
    <message>
        <source>Угол луча</source>
        <translation>Beam angle</translation>
    </message>
    <message>
        <source>Панорама</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Наклон</source>
        <translation>Tilt</translation>
    </message>
    <message>
        <source>Панорама точно</source>
        <translation>Pan fine</translation>
    </message>
    <message>
        <source>Наклон точно</source>
        <translation>Tilt fine</translation>
    </message>
    <message>
        <source>Панорама/наклон</source>
        <translation>Pan/tilt</translation>
    </message>
    <message>
        <source>Скорость движения</source>
        <translation>Movement speed</translation>
    </message>
    <message>
        <source>Бесконечная панорама</source>
        <translation>Endless pan</translation>
    </message>
    <message>
        <source>Бесконечный наклон</source>
        <translation>Endless tilt</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Вверх влево</source>
        <translation>Up left</translation>
    </message>
    <message>
        <source>Вверх вправо</source>
        <translation>Up right</translation>
    </message>
    <message>
        <source>Вниз влево</source>
        <translation>Down left</translation>
    </message>
    <message>
        <source>Вниз вправо</source>
        <translation>Down right</translation>
    </message>
    <message>
        <source>По часовой</source>
        <translation>Clockwise</translation>
    </message>
    <message>
        <source>Против часовой</source>
        <translation>Anticlockwise</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Медленно</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Быстро</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Задержка</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Темп</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Колесо анимации</source>
        <translation>Animation wheel</translation>
    </message>
    <message>
        <source>Вращение анимации</source>
        <translation>Animation rotation</translation>
    </message>
    <message>
        <source>Колесо эффектов</source>
        <translation>Effect wheel</translation>
    </message>
    <message>
        <source>Эффект</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>Эффект %1</source>
        <translation>Effect %1</translation>
    </message>
    <message>
        <source>Макрос</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Макрос %1</source>
        <translation>Macro %1</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Лампа вкл.</source>
        <translation>Lamp on</translation>
    </message>
    <message>
        <source>Лампа выкл.</source>
        <translation>Lamp off</translation>
    </message>
    <message>
        <source>Управление</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Мотор</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Вентилятор</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>Дым</source>
        <translation>Smoke</translation>
    </message>
    <message>
        <source>Туман</source>
        <translation>Fog</translation>
    </message>
    <message>
        <source>Дымка</source>
        <translation>Haze</translation>
    </message>
    <message>
        <source>Лазер</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>Зеркало</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Пиксели</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>Фейдер</source>
        <translation>Fader</translation>
    </message>
</context>
<context>
    <name>MidiWords</name>
    <message>
        <source>фейдер %1</source>
        <translation>fader %1</translation>
    </message>
    <message>
        <source>статическая картинка %1</source>
        <translation>static picture %1</translation>
    </message>
    <message>
        <source>запуск Шоу</source>
        <translation>show start</translation>
    </message>
    <message>
        <source>остановка Шоу</source>
        <translation>show stop</translation>
    </message>
    <message>
        <source>BlackOut</source>
        <translation>Blackout</translation>
    </message>
    <message>
        <source>темп</source>
        <translation>tempo</translation>
    </message>
    <message>
        <source>следующая сцена</source>
        <translation>next scene</translation>
    </message>
    <message>
        <source>предыдущая сцена</source>
        <translation>previous scene</translation>
    </message>
    <message>
        <source>кнопка конвейера %1</source>
        <translation>conveyor key %1</translation>
    </message>
    <message>
        <source>любой канал</source>
        <translation>any channel</translation>
    </message>
    <message>
        <source>канал %1</source>
        <translation>channel %1</translation>
    </message>
    <message>
        <source>контроллер %1, %2</source>
        <translation>controller %1, %2</translation>
    </message>
    <message>
        <source>нота %1, %2</source>
        <translation>note %1, %2</translation>
    </message>
    <message>
        <source>Pitch Bend, %1</source>
        <translation>Pitch bend, %1</translation>
    </message>
</context>
<context>
    <name>ModuleRefusal</name>
    <message>
        <source>%1 не загружается: %2</source>
        <translation>%1 does not load: %2</translation>
    </message>
    <message>
        <source>%1 от другой версии программы (модуль не описывает себя), переустановите программу</source>
        <translation>%1 is from another version of the program (it does not describe itself), reinstall the program</translation>
    </message>
    <message>
        <source>%1 от другой версии программы (интерфейс %2, нужен %3), переустановите программу</source>
        <translation>%1 is from another version of the program (interface %2, needs %3), reinstall the program</translation>
    </message>
    <message>
        <source>%1 от другой сборки программы, переустановите программу</source>
        <translation>%1 is from another build of the program, reinstall the program</translation>
    </message>
</context>
<context>
    <name>OutputPriority</name>
    <message>
        <source>Вывод DMX: приоритет реального времени (SCHED_FIFO)</source>
        <translation>DMX output: real-time priority (SCHED_FIFO)</translation>
    </message>
    <message>
        <source>Вывод DMX: приоритет реального времени от RTKit</source>
        <translation>DMX output: real-time priority from RTKit</translation>
    </message>
    <message>
        <source>системная шина D-Bus недоступна</source>
        <translation>D-Bus system bus unavailable</translation>
    </message>
    <message>
        <source>служба RTKit не найдена</source>
        <translation>RTKit service not found</translation>
    </message>
    <message>
        <source>RTKit отказал: %1</source>
        <translation>RTKit refused: %1</translation>
    </message>
    <message>
        <source>RTKit не ответил за 1 с</source>
        <translation>RTKit did not answer within 1 s</translation>
    </message>
    <message>
        <source>RTKit ответил, но приоритет не изменился</source>
        <translation>RTKit answered, but the priority did not change</translation>
    </message>
    <message>
        <source>Вывод DMX: обычный приоритет</source>
        <translation>DMX output: normal priority</translation>
    </message>
    <message>
        <source>RTKit отказал: система не даёт этому сеансу реального времени — программа запущена не из локального сеанса входа, или polkit разрешает его только активным сеансам</source>
        <translation>RTKit refused: the system does not grant real time to this session — the program was not started from a local login session, or polkit grants it to active sessions only</translation>
    </message>
    <message>
        <source>Администратор может разрешить его правилом polkit для org.freedesktop.RealtimeKit1.acquire-real-time или строкой «@audio - rtprio 20» в /etc/security/limits.conf, добавив пользователя в группу audio (действует со следующего входа)</source>
        <translation>An administrator can allow it with a polkit rule for org.freedesktop.RealtimeKit1.acquire-real-time, or with the line &quot;@audio - rtprio 20&quot; in /etc/security/limits.conf and the user in the group audio (from the next login on)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Выполнить копирование</source>
        <translation>Perform the copy</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ч </source>
        <translation>h </translation>
    </message>
    <message>
        <source>м </source>
        <translation>m </translation>
    </message>
    <message>
        <source>с </source>
        <translation>s </translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>ru</source>
        <extracomment>The page&apos;s language code (ru, en): the browser hyphenates and reads aloud by it.</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>KORVANEL — пульт</source>
        <translation>KORVANEL — remote</translation>
    </message>
    <message>
        <source>Подключаюсь…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>Связь есть</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Нет связи, подключаюсь…</source>
        <translation>No connection, reconnecting…</translation>
    </message>
    <message>
        <source>Ключ доступа сменён: откройте новый адрес с пульта</source>
        <translation>The access key has changed: open the new address shown on the console</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Запустить Шоу</source>
        <translation>Start the show</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Остановить Шоу</source>
        <translation>Stop the show</translation>
    </message>
    <message>
        <source>BlackOut</source>
        <translation>Blackout</translation>
    </message>
    <message>
        <source>Предыдущая сцена</source>
        <translation>Previous scene</translation>
    </message>
    <message>
        <source>Следующая сцена</source>
        <translation>Next scene</translation>
    </message>
    <message>
        <source>Сцена %1 из %2</source>
        <extracomment>%1: the current scene, %2: the last one.</extracomment>
        <translation>Scene %1 of %2</translation>
    </message>
    <message>
        <source>Время перехода на следующую сцену</source>
        <translation>Time to the next scene</translation>
    </message>
    <message>
        <source>Статические картинки</source>
        <translation>Static pictures</translation>
    </message>
    <message>
        <source>Фиксация (как с Ctrl): отпущенная картинка остаётся</source>
        <translation>Latch (as with Ctrl): a released picture stays on</translation>
    </message>
    <message>
        <source>Конвейр потоков Шоу</source>
        <translation>Show conveyor</translation>
    </message>
    <message>
        <source>Выбор Шоу кнопкой конвейра — только в ручном режиме конвейра.</source>
        <translation>A show can be chosen with a conveyor button only in the conveyor&apos;s manual mode.</translation>
    </message>
    <message>
        <source>Ручное управление лучем сканера</source>
        <translation>Scanner beam by hand</translation>
    </message>
    <message>
        <source>Приоритет</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Поле управляет двумя каналами, начиная с первой отметки в столбце «Выбор».</source>
        <translation>The pad controls two channels, starting at the first one ticked in the “Select” column.</translation>
    </message>
    <message>
        <source>Фэйдера</source>
        <translation>Faders</translation>
    </message>
    <message>
        <source>Каналы %1</source>
        <extracomment>%1: the channels on the page, as 1–27.</extracomment>
        <translation>Channels %1</translation>
    </message>
    <message>
        <source>Выбор</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version 4.4.5                 Июнь 2017 г.</source>
        <translation>Version 4.4.5                 June 2017</translation>
    </message>
    <message>
        <source>Korvanel: пульт света DMX512</source>
        <translation>Korvanel: DMX512 lighting controller</translation>
    </message>
    <message>
        <source>Вопросы и предложения:</source>
        <translation>Questions and suggestions:</translation>
    </message>
    <message>
        <source>Новая версия программы на сайте</source>
        <translation>New version on the website</translation>
    </message>
    <message>
        <source>Скачать новую версию </source>
        <translation>Download the new version </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TBaseForm</name>
    <message>
        <source>Фэйдера</source>
        <translation>Faders</translation>
    </message>
    <message>
        <source>График Канала</source>
        <translation>Channel graph</translation>
    </message>
    <message>
        <source>Редактор луча</source>
        <translation>Beam editor</translation>
    </message>
    <message>
        <source>Копирование</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Автоматы</source>
        <translation>Chases</translation>
    </message>
    <message>
        <source>Опции</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>DMX coder</source>
        <translation>DMX coder</translation>
    </message>
    <message>
        <source>Управление сценами</source>
        <translation>Scene control</translation>
    </message>
    <message>
        <source>Секвенсер</source>
        <translation>Sequencer</translation>
    </message>
    <message>
        <source>Цвет канала</source>
        <translation>Channel colour</translation>
    </message>
</context>
<context>
    <name>THandScanForm</name>
    <message>
        <source>Поле для ручного управления лучем сканера</source>
        <translation>Hand scan pad for the scanner beam</translation>
    </message>
    <message>
        <source>Ручное управление лучем сканера </source>
        <translation>Scanner beam by hand </translation>
    </message>
    <message>
        <source>Положение курсора на поле воздействует на два канала, начиная с первой отметки в столбце =Выбор = </source>
        <translation>The cursor position on the pad drives two channels, starting from the first tick in the =Select= column </translation>
    </message>
    <message>
        <source>Инверсия по X</source>
        <translation>Invert X</translation>
    </message>
    <message>
        <source>Инверсия по Y</source>
        <translation>Invert Y</translation>
    </message>
    <message>
        <source>Меняет местами координаты  X &lt;&gt; Y </source>
        <translation>Swaps the coordinates  X &lt;&gt; Y </translation>
    </message>
    <message>
        <source>Приоритет</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Управлять в любом режиме</source>
        <translation>Control in any mode</translation>
    </message>
</context>
<context>
    <name>TStaticForm</name>
    <message>
        <source>Статические картинки</source>
        <translation>Static pictures</translation>
    </message>
    <message>
        <source>Считать</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Редактируемая статическая картинка</source>
        <translation>Static picture to edit</translation>
    </message>
    <message>
        <source>Записать </source>
        <translation>Store </translation>
    </message>
    <message>
        <source>Записать в  статическую картинку</source>
        <translation>Store into the static picture</translation>
    </message>
    <message>
        <source> Выбор сцены  </source>
        <translation> Select scene  </translation>
    </message>
    <message>
        <source>Стереть</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Стереть редактируемую сцену</source>
        <translation>Erase the scene being edited</translation>
    </message>
    <message>
        <source>Стереть все статические картинки </source>
        <translation>Erase all static pictures </translation>
    </message>
    <message>
        <source>Вернуть прежнюю сцену</source>
        <translation>Restore previous scene</translation>
    </message>
    <message>
        <source>Удалить все Статические картинки?</source>
        <translation>Delete all static pictures?</translation>
    </message>
    <message>
        <source>Удалить статическую картинку?</source>
        <translation>Delete the static picture?</translation>
    </message>
</context>
<context>
    <name>korvanel::BeamEditorPanel</name>
    <message>
        <source>Менять Сцену</source>
        <translation>Change scene</translation>
    </message>
    <message>
        <source>Перетаскивание луча меняет текущую сцену</source>
        <translation>Dragging the beam changes the current scene</translation>
    </message>
    <message>
        <source>Выполнить копирование в каналы, выбранные флажками </source>
        <translation>Copy to the channels ticked in the check boxes </translation>
    </message>
    <message>
        <source>Переместить сцену в X-Y</source>
        <translation>Move the scene in X-Y</translation>
    </message>
    <message>
        <source>Редактируемые Каналы </source>
        <translation>Edited channels </translation>
    </message>
    <message>
        <source>При включенном флажке содежимое Редактируемого поля  записывается в память</source>
        <translation>When ticked, the contents of the edit field are written to memory</translation>
    </message>
    <message>
        <source>Видимые Сцены </source>
        <translation>Visible scenes </translation>
    </message>
    <message>
        <source>Все сцены</source>
        <translation>All scenes</translation>
    </message>
    <message>
        <source>От Сцены</source>
        <translation>From scene</translation>
    </message>
    <message>
        <source>До Сцены</source>
        <translation>To scene</translation>
    </message>
    <message>
        <source>Смещение фигуры</source>
        <translation>Shift the figure</translation>
    </message>
    <message>
        <source>Зеркальное отображение</source>
        <translation>Mirror image</translation>
    </message>
    <message>
        <source>Увеличить фигуру</source>
        <translation>Enlarge the figure</translation>
    </message>
    <message>
        <source>Уменьшить фигуру</source>
        <translation>Shrink the figure</translation>
    </message>
    <message>
        <source>Положение</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Отражение </source>
        <translation>Mirror </translation>
    </message>
    <message>
        <source>Размер </source>
        <translation>Size </translation>
    </message>
    <message>
        <source>Поворот</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Выполнить поворот </source>
        <translation>Rotate </translation>
    </message>
    <message>
        <source>Расположение каналов  X - Y </source>
        <translation>Channel layout  X - Y </translation>
    </message>
    <message>
        <source>Рядом</source>
        <translation>Adjacent</translation>
    </message>
    <message>
        <source>Через канал</source>
        <translation>Skip one</translation>
    </message>
    <message>
        <source>Выбор типа устройства для создания фигур </source>
        <translation>Device type for creating figures </translation>
    </message>
    <message>
        <source>Текущие</source>
        <translation>Current</translation>
    </message>
    <message>
        <source> Сцена ? </source>
        <translation> Scene ? </translation>
    </message>
    <message>
        <source>Влево </source>
        <translation>Left </translation>
    </message>
    <message>
        <source>Вправо </source>
        <translation>Right </translation>
    </message>
    <message>
        <source> Размер фигуры </source>
        <translation> Figure size </translation>
    </message>
    <message>
        <source>       Опция </source>
        <translation>       Option </translation>
    </message>
    <message>
        <source> Сцена </source>
        <translation> Scene </translation>
    </message>
    <message>
        <source>Переместить сцену </source>
        <translation>Move scene </translation>
    </message>
    <message>
        <source> Размер </source>
        <translation> Size </translation>
    </message>
</context>
<context>
    <name>korvanel::BeamEditorTab</name>
    <message>
        <source>Запомнить</source>
        <translation>Remember</translation>
    </message>
    <message>
        <source>картинку </source>
        <translation>picture </translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>korvanel::BlockCopyGroups</name>
    <message>
        <source>Каналов текущей Сцены </source>
        <translation>Channels of current scene </translation>
    </message>
    <message>
        <source>С канала</source>
        <translation>First channel</translation>
    </message>
    <message>
        <source>По канал</source>
        <translation>Last channel</translation>
    </message>
    <message>
        <source>В канал</source>
        <translation>Target channel</translation>
    </message>
    <message>
        <source>Каналов (все сцены)</source>
        <translation>Channels (all scenes)</translation>
    </message>
    <message>
        <source>Каналов в сценах</source>
        <translation>Channels in scenes</translation>
    </message>
    <message>
        <source>Со сцены</source>
        <translation>First scene</translation>
    </message>
    <message>
        <source>По сцену</source>
        <translation>Last scene</translation>
    </message>
    <message>
        <source>Сдвиг сцен</source>
        <translation>Scene shift</translation>
    </message>
    <message>
        <source>Сцен (все каналы)</source>
        <translation>Scenes (all channels)</translation>
    </message>
    <message>
        <source>Начиная со сцены</source>
        <translation>Target scene</translation>
    </message>
    <message>
        <source> Копирование не выполнено:Максимальное число каналов &gt; 256 ! </source>
        <translation> Copy not done: maximum number of channels &gt; 256 ! </translation>
    </message>
    <message>
        <source> Копирование не выполнено:Максимальное число сцен &gt; 256 ! </source>
        <translation> Copy not done: maximum number of scenes &gt; 256 ! </translation>
    </message>
</context>
<context>
    <name>korvanel::BlockCopyTab</name>
    <message>
        <source>Копирование данных блоками </source>
        <translation>Block copy of data </translation>
    </message>
    <message>
        <source>Запомнить Сцену</source>
        <translation>Remember scene</translation>
    </message>
    <message>
        <source>Вернуть прежнюю сцену</source>
        <translation>Restore previous scene</translation>
    </message>
</context>
<context>
    <name>korvanel::ChannelColorCommands</name>
    <message>
        <source>Очистить имена каналов?</source>
        <translation>Clear channel names?</translation>
    </message>
    <message>
        <source>Очистить цвета имен каналов?</source>
        <translation>Clear channel name colours?</translation>
    </message>
    <message>
        <source>Очистить графическую подсказку каналов?</source>
        <translation>Clear channel picture hints?</translation>
    </message>
    <message>
        <source>Очистить цветовые границы каналов?</source>
        <translation>Clear channel colour limits?</translation>
    </message>
    <message>
        <source>Файл цветов каналов %1 короче 16384 байт и не прочитан.
Цвета и картинки каналов не изменены.</source>
        <translation>Channel colour file %1 is shorter than 16384 bytes and was not read.
Channel colours and pictures are unchanged.</translation>
    </message>
    <message>
        <source>%1 — не файл, его нельзя прочитать как файл цветов каналов.</source>
        <translation>%1 is not a file; it cannot be read as a channel colour file.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл цветов каналов %1
%2
Цвета и картинки каналов не изменены.</source>
        <translation>Could not read channel colour file %1
%2
Channel colours and pictures are unchanged.</translation>
    </message>
    <message>
        <source>Не удалось записать файл цветов каналов %1
%2</source>
        <translation>Could not write channel colour file %1
%2</translation>
    </message>
    <message>
        <source>Файл -Color- не найден  </source>
        <translation>File -Color- not found  </translation>
    </message>
    <message>
        <source>Файл %1 короче 16384 байт: при запуске он не был прочитан, и программа его не перезаписывает.</source>
        <translation>File %1 is shorter than 16384 bytes: it was not read at start-up, and the program does not overwrite it.</translation>
    </message>
    <message>
        <source>%1 — не файл.</source>
        <translation>%1 is not a file.</translation>
    </message>
    <message>
        <source>Файл %1 не удалось прочитать (%2), и программа его не перезаписывает.</source>
        <translation>File %1 could not be read (%2), and the program does not overwrite it.</translation>
    </message>
    <message>
        <source>Цвета и картинки каналов не сохранены.
%1
Сохранить их в другой файл?</source>
        <translation>Channel colours and pictures were not saved.
%1
Save them to another file?</translation>
    </message>
    <message>
        <source>Сохранить цвета каналов</source>
        <translation>Save channel colours</translation>
    </message>
    <message>
        <source>Файлы цветов каналов  (*.col)</source>
        <translation>Channel colour files  (*.col)</translation>
    </message>
</context>
<context>
    <name>korvanel::ChannelColorTab</name>
    <message>
        <source>Для установки цвета канала двойной клик на поле измения</source>
        <translation>Double-click a channel name field to set its colour</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Цвет пля для ввода имени канала </source>
        <translation>Colour of the channel name field </translation>
    </message>
    <message>
        <source>Нет выбранного</source>
        <translation>None selected</translation>
    </message>
    <message>
        <source>Выключить изменение цвета</source>
        <translation>Stop colour editing</translation>
    </message>
    <message>
        <source>Выбор канала для графической подсказки</source>
        <translation>Channel for the picture hint</translation>
    </message>
    <message>
        <source>Установка типа изображения сопоставимого с типом регулировки прибора</source>
        <translation>Sets the picture that matches what the fixture channel controls</translation>
    </message>
    <message>
        <source>Устанвить выбранный Цвет группы</source>
        <translation>Set the chosen group colour</translation>
    </message>
    <message>
        <source>Канал</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Нет выбора</source>
        <translation>No selection</translation>
    </message>
    <message>
        <source>Канал: </source>
        <translation>Channel: </translation>
    </message>
    <message>
        <source> - N: </source>
        <translation> - N: </translation>
    </message>
</context>
<context>
    <name>korvanel::ChannelSettingsGroup</name>
    <message>
        <source> Установки каналов и Клавиатуры  </source>
        <translation> Channel and keyboard settings  </translation>
    </message>
    <message>
        <source>Плавность</source>
        <translation>Fade</translation>
    </message>
    <message>
        <source>Уровни</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Стат. картины</source>
        <translation>Static pics</translation>
    </message>
    <message>
        <source>Включить клавиатуру</source>
        <translation>Enable keyboard</translation>
    </message>
    <message>
        <source>Включить / Выключить флэш - кнопки клавиатуры</source>
        <translation>Turn the keyboard flash keys on / off</translation>
    </message>
</context>
<context>
    <name>korvanel::CoderTab</name>
    <message>
        <source>Таблица перекодировок каналов  строки DMX512. на выходе программы</source>
        <translation>Channel recoding table of the DMX512 line at the program output</translation>
    </message>
    <message>
        <source>Канал </source>
        <translation>Channel </translation>
    </message>
    <message>
        <source> выводится в канал </source>
        <translation> is output to channel </translation>
    </message>
    <message>
        <source>Устанавливаем из какого канала будет пееренаправлятся в какой канал DMX</source>
        <translation>Sets which channel is redirected to which DMX channel</translation>
    </message>
    <message>
        <source>Установка изменяемого канала</source>
        <translation>Sets the channels being edited</translation>
    </message>
    <message>
        <source>Измение канала на ...</source>
        <translation>Change the channel by ...</translation>
    </message>
    <message>
        <source>Сбросить все установки 1=1, 2=2 и т.д.</source>
        <translation>Reset all settings to 1=1, 2=2 etc.</translation>
    </message>
    <message>
        <source>Загрузить таблицу</source>
        <translation>Load table</translation>
    </message>
    <message>
        <source>Сохранить таблицу</source>
        <translation>Save table</translation>
    </message>
    <message>
        <source>Имя Кодера</source>
        <translation>Coder name</translation>
    </message>
    <message>
        <source>Файлы перекодировки Korvanel  (*.kvr)</source>
        <translation>Korvanel recoding files  (*.kvr)</translation>
    </message>
    <message>
        <source>Сохранить изменения таблицы перекодировки «%1»?</source>
        <translation>Save changes to the recoding table “%1”?</translation>
    </message>
    <message>
        <source>Нет файла кодера</source>
        <translation>No coder file</translation>
    </message>
    <message>
        <source>Файл таблицы перекодировки не найден: %1.</source>
        <translation>Recoding table file not found: %1.</translation>
    </message>
    <message>
        <source>Файл %1 короче 512 байт: это не таблица перекодировки.</source>
        <translation>File %1 is shorter than 512 bytes: it is not a recoding table.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1: %2.</source>
        <translation>Could not read file %1: %2.</translation>
    </message>
    <message>
        <source> Таблица перекодировки не изменена.</source>
        <translation> The recoding table is unchanged.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2.</source>
        <translation>Could not write file %1: %2.</translation>
    </message>
</context>
<context>
    <name>korvanel::ConveyorControl</name>
    <message>
        <source>Открыть Шоу</source>
        <translation>Open show</translation>
    </message>
    <message>
        <source>Удалить все файлы конвейра ? </source>
        <translation>Remove all conveyor files ? </translation>
    </message>
</context>
<context>
    <name>korvanel::ConveyorGroup</name>
    <message>
        <source>Конвейр потоков Шоу </source>
        <translation>Show conveyor </translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Включить горячие кнопки клавиатуру</source>
        <translation>Enable the keyboard hot keys</translation>
    </message>
    <message>
        <source>Клавиатура</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Имя введенного файла на кнопке  -  вводить Имя правой кнопкой</source>
        <translation>Name of the file on the key  -  right-click to enter the name</translation>
    </message>
    <message>
        <source>(пусто)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>Остановить Шоу   и  разрешить проигрывание выбранного Шоу</source>
        <translation>Stop the show   and  allow playing the chosen show</translation>
    </message>
    <message>
        <source>Остановить конвейр и разрешить набор конвейра Шоу</source>
        <translation>Stop the conveyor and allow setting up the show conveyor</translation>
    </message>
    <message>
        <source>Запустить Конвейр Шоу  с первой активной кнопки</source>
        <translation>Start the show conveyor  from the first active key</translation>
    </message>
    <message>
        <source>Запустить конвейр Шоу  с текущей позиции </source>
        <translation>Start the show conveyor  from the current position </translation>
    </message>
    <message>
        <source>Очистить конвейр Шоу</source>
        <translation>Clear the show conveyor</translation>
    </message>
</context>
<context>
    <name>korvanel::FaderPage</name>
    <message>
        <source>Канал             Уровень             Выход    Тип   Границы   Имя  канала              Время изменения     Выбор</source>
        <translation>Channel           Level               Output   Type  Limits    Channel name             Fade time           Select</translation>
    </message>
    <message>
        <source>Канал</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Границы</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Имя  канала</source>
        <translation>Channel name</translation>
    </message>
    <message>
        <source>Время изменения</source>
        <translation>Fade time</translation>
    </message>
    <message>
        <source>Выбор</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Номер канала в строке DMX</source>
        <translation>Channel number in the DMX line</translation>
    </message>
    <message>
        <source>Реальный уровень канала DMX на выходе</source>
        <translation>Actual DMX channel level at the output</translation>
    </message>
    <message>
        <source>Имя канала. Максимальное число символов - 16. Для изменения цвета дабл-клик</source>
        <translation>Channel name. Up to 16 characters. Double-click to change the colour</translation>
    </message>
    <message>
        <source>Время изменения уровня DMX канала</source>
        <translation>Fade time of the DMX channel level</translation>
    </message>
    <message>
        <source>Индивидуальный выбор канала для режимов и блоков: Флэш, Ручной, Уровни, Время</source>
        <translation>Per-channel selection for modes and blocks: Flash, Manual, Levels, Time</translation>
    </message>
    <message>
        <source>Индивидуальный выбор канала </source>
        <translation>Per-channel selection </translation>
    </message>
    <message>
        <source>Инвертирует состояние флажков в поле  Выбор </source>
        <translation>Inverts the boxes in the  Select column </translation>
    </message>
    <message>
        <source>Установить уровни все каналов сцены  в &apos;0&apos;</source>
        <translation>Set the levels of all scene channels  to &apos;0&apos;</translation>
    </message>
    <message>
        <source>Все 0</source>
        <translation>All 0</translation>
    </message>
    <message>
        <source>Установить уровни видимых каналов в &apos;0&apos; </source>
        <translation>Set the levels of the visible channels to &apos;0&apos; </translation>
    </message>
    <message>
        <source>Установить уровни видимых каналов в &apos;127&apos; </source>
        <translation>Set the levels of the visible channels to &apos;127&apos; </translation>
    </message>
    <message>
        <source>Установить уровни видимых каналов в &apos;255&apos; </source>
        <translation>Set the levels of the visible channels to &apos;255&apos; </translation>
    </message>
    <message>
        <source>Включить все видимые флажки в столбце Выбор </source>
        <translation>Tick all visible boxes in the Select column </translation>
    </message>
    <message>
        <source>Сбросить все видимые флажки в столбце Выбор </source>
        <translation>Clear all visible boxes in the Select column </translation>
    </message>
    <message>
        <source>Сбросить все флажки в столбце Выбор </source>
        <translation>Clear all boxes in the Select column </translation>
    </message>
    <message>
        <source> Вся сцена установлена в 0</source>
        <translation> Whole scene set to 0</translation>
    </message>
    <message>
        <source> Установлено в 0 </source>
        <translation> Set to 0 </translation>
    </message>
    <message>
        <source> Установлено в 127</source>
        <translation> Set to 127</translation>
    </message>
    <message>
        <source> Установлено в 255</source>
        <translation> Set to 255</translation>
    </message>
    <message>
        <source> Все флажки Установлены </source>
        <translation> All boxes cleared </translation>
    </message>
</context>
<context>
    <name>korvanel::FaderTab</name>
    <message>
        <source>Запомнить Сцену</source>
        <translation>Remember scene</translation>
    </message>
    <message>
        <source>Вернуть прежнюю сцену</source>
        <translation>Restore previous scene</translation>
    </message>
</context>
<context>
    <name>korvanel::FigureGroup</name>
    <message>
        <source>Создание Фигур </source>
        <translation>Create figures </translation>
    </message>
    <message>
        <source>Вычертить фигугу по сценам</source>
        <translation>Draw the figure across the scenes</translation>
    </message>
    <message>
        <source>размер создаваемой фигуры</source>
        <translation>size of the figure to create</translation>
    </message>
    <message>
        <source>вид или длинна конца фигуры</source>
        <translation>shape or length of the figure end</translation>
    </message>
</context>
<context>
    <name>korvanel::GeneratorGroup</name>
    <message>
        <source>Автомат 1  четырех канальный </source>
        <translation>Chase generator 1  four channels </translation>
    </message>
    <message>
        <source>Автомат 2  четырех канальный </source>
        <translation>Chase generator 2  four channels </translation>
    </message>
    <message>
        <source>Скорость переключения автомата</source>
        <translation>Step speed of the chase generator</translation>
    </message>
    <message>
        <source>Скорость переключения</source>
        <translation>Step speed</translation>
    </message>
    <message>
        <source>Установка первого канала, с которого будет работать автомат бегушки</source>
        <translation>Sets the first channel the chase generator runs on</translation>
    </message>
    <message>
        <source>Каналы  1+2+3+4</source>
        <translation>Channels  1+2+3+4</translation>
    </message>
    <message>
        <source>Максимальная яркость автомата</source>
        <translation>Maximum brightness of the chase generator</translation>
    </message>
    <message>
        <source>Минимальная яркость автомата</source>
        <translation>Minimum brightness of the chase generator</translation>
    </message>
    <message>
        <source>Пуск самостоятельно</source>
        <translation>Run on its own</translation>
    </message>
    <message>
        <source>Запусить автомат постоянно</source>
        <translation>Run the chase generator all the time</translation>
    </message>
    <message>
        <source>С основным</source>
        <translation>With sequencer</translation>
    </message>
    <message>
        <source>Установленный флажок будет запускать автомат вместе с секвенсером 1</source>
        <translation>When ticked, the chase generator runs together with sequencer 1</translation>
    </message>
    <message>
        <source>Step = 1</source>
        <translation>Step = 1</translation>
    </message>
    <message>
        <source>Выбор эффекта один бегущий огонек</source>
        <translation>Effect: one running light</translation>
    </message>
    <message>
        <source>Выбор эффекта два бегущих огонька</source>
        <translation>Effect: two running lights</translation>
    </message>
    <message>
        <source>Выбор эффекта бегущая тень</source>
        <translation>Effect: running shadow</translation>
    </message>
    <message>
        <source>Выбор эффекта код с наполнением</source>
        <translation>Effect: fill</translation>
    </message>
    <message>
        <source>Яркость</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source> Flash/мин </source>
        <translation> Flash/min </translation>
    </message>
    <message>
        <source> Каналы </source>
        <translation> Channels </translation>
    </message>
    <message>
        <source> Начиная от - </source>
        <translation> Starting from - </translation>
    </message>
    <message>
        <source>Step = </source>
        <translation>Step = </translation>
    </message>
</context>
<context>
    <name>korvanel::GrandMasterRow</name>
    <message>
        <source>Мастер</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Общий уровень: все каналы на выходе, 100 % - без изменений</source>
        <translation>Grand master: every channel on the wire, 100 % leaves them as they are</translation>
    </message>
</context>
<context>
    <name>korvanel::GraphEditorPanel</name>
    <message>
        <source>Устанавливает номер редактируемого канала</source>
        <translation>Sets the number of the channel to edit</translation>
    </message>
    <message>
        <source>Масштаб сцен</source>
        <translation>Scene scale</translation>
    </message>
    <message>
        <source>Блок редактируемых сцен</source>
        <translation>Block of scenes to edit</translation>
    </message>
    <message>
        <source>Установка номера последней сцены</source>
        <translation>Sets the number of the last scene</translation>
    </message>
    <message>
        <source> Сцена = </source>
        <translation> Scene = </translation>
    </message>
    <message>
        <source> Новый уровень канала = </source>
        <translation> New channel level = </translation>
    </message>
    <message>
        <source> Уровень канала сцены </source>
        <translation> Channel level in scene </translation>
    </message>
    <message>
        <source>Установить последнюю Сцену</source>
        <translation>Set last scene</translation>
    </message>
    <message>
        <source>Динамика изменения канала по выделенным сценам </source>
        <translation>Channel level across the selected scenes </translation>
    </message>
    <message>
        <source>Устанавливать значение только одного канала</source>
        <translation>Set the value of one channel only</translation>
    </message>
    <message>
        <source>Интерполировать уровни каналов. Начало - левая кнопка, конец - правая.</source>
        <translation>Interpolate channel levels. Start - left button, end - right button.</translation>
    </message>
    <message>
        <source>Повторять значение текущего канала во всех рабочих сценах</source>
        <translation>Repeat the current channel value in all working scenes</translation>
    </message>
    <message>
        <source> Канал </source>
        <translation> Channel </translation>
    </message>
    <message>
        <source>от Сцены = </source>
        <translation>from scene = </translation>
    </message>
    <message>
        <source>до Сцены = </source>
        <translation>to scene = </translation>
    </message>
    <message>
        <source> Масштаб = </source>
        <translation> Scale = </translation>
    </message>
</context>
<context>
    <name>korvanel::GraphTab</name>
    <message>
        <source>Запомнить Сцену</source>
        <translation>Remember scene</translation>
    </message>
    <message>
        <source>Вернуть прежнюю сцену</source>
        <translation>Restore previous scene</translation>
    </message>
</context>
<context>
    <name>korvanel::HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>korvanel::LanguageGroup</name>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Меняется сразу во всех окнах; сообщение, уже стоящее в строке состояния, — со следующим; страница пульта для телефона — при следующем запуске программы</source>
        <translation>Changes at once in all windows; a message already in the status line changes with the next one, the phone page at the next start</translation>
    </message>
</context>
<context>
    <name>korvanel::LevelsTab</name>
    <message>
        <source>Изменение выделенных уровней</source>
        <translation>Change selected levels</translation>
    </message>
    <message>
        <source>BlackOut</source>
        <translation>Blackout</translation>
    </message>
    <message>
        <source>Выключает все каналы DMX  Горячая кнопка = 0 = </source>
        <translation>Switches off all DMX channels  Hot key = 0 = </translation>
    </message>
    <message>
        <source>Ручное управление</source>
        <translation>Manual control</translation>
    </message>
    <message>
        <source>Ручное управление выделенными каналами в текущей сцене</source>
        <translation>Manual control of the selected channels in the current scene</translation>
    </message>
</context>
<context>
    <name>korvanel::LiveDisplay</name>
    <message>
        <source>Уровень в стандарте DMX512  0-255</source>
        <translation>Level in DMX512 units  0-255</translation>
    </message>
    <message>
        <source>Уровень в процентах</source>
        <translation>Level in percent</translation>
    </message>
    <message>
        <source>Скорость презаписи данных на мониторе</source>
        <translation>Refresh rate of the levels on screen</translation>
    </message>
</context>
<context>
    <name>korvanel::MainMenu</name>
    <message>
        <source>Шоу</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Создать новое Шоу</source>
        <translation>New show</translation>
    </message>
    <message>
        <source>Открыть Шоу</source>
        <translation>Open show</translation>
    </message>
    <message>
        <source>Сохранить Шоу как ...</source>
        <translation>Save show as ...</translation>
    </message>
    <message>
        <source>Сохранить Шоу</source>
        <translation>Save show</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Сцены</source>
        <translation>Scenes</translation>
    </message>
    <message>
        <source>Копировать предыдущую сцену</source>
        <translation>Copy previous scene</translation>
    </message>
    <message>
        <source>Копировать сцену в буфер</source>
        <translation>Copy scene to buffer</translation>
    </message>
    <message>
        <source>Создать новую и заменить сценой из буфера</source>
        <translation>Create new scene from buffer</translation>
    </message>
    <message>
        <source>Заменить сценой  из буфера</source>
        <translation>Replace with scene  from buffer</translation>
    </message>
    <message>
        <source>Очистить Сцену</source>
        <translation>Clear scene</translation>
    </message>
    <message>
        <source>Удалить Сцену из Шоу </source>
        <translation>Delete scene from show </translation>
    </message>
    <message>
        <source>Создать новую Сцену</source>
        <translation>New scene</translation>
    </message>
    <message>
        <source>Установки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Очистить имена каналов</source>
        <translation>Clear channel names</translation>
    </message>
    <message>
        <source>Очистить цвета имен каналов</source>
        <translation>Clear channel name colours</translation>
    </message>
    <message>
        <source>Очистить графическую подсказку каналов</source>
        <translation>Clear channel picture hints</translation>
    </message>
    <message>
        <source>Очистить цвет условного разделения каналов</source>
        <translation>Clear channel group colours</translation>
    </message>
    <message>
        <source>Опции</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Поле для ручного управления лучем сканера</source>
        <translation>Hand scan pad for the scanner beam</translation>
    </message>
    <message>
        <source>Запись и редактирование Статических картинок</source>
        <translation>Record and edit static pictures</translation>
    </message>
    <message>
        <source>Разрешить автодобавление сцен</source>
        <translation>Allow auto-adding scenes</translation>
    </message>
    <message>
        <source>Опции окна зука</source>
        <translation>Sound window options</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help contents</translation>
    </message>
    <message>
        <source>Монитор выхода DMX</source>
        <translation>DMX output monitor</translation>
    </message>
</context>
<context>
    <name>korvanel::MainToolBar</name>
    <message>
        <source>Новое Шоу</source>
        <translation>New show</translation>
    </message>
    <message>
        <source>Открыть Шоу</source>
        <translation>Open show</translation>
    </message>
    <message>
        <source>Записать Шоу под новым Именем </source>
        <translation>Save show under a new name </translation>
    </message>
    <message>
        <source>Сохранить существующее Шоу </source>
        <translation>Save the current show </translation>
    </message>
    <message>
        <source>Копировать Сцену</source>
        <translation>Copy scene</translation>
    </message>
    <message>
        <source>Копировать предыдущую Сцену</source>
        <translation>Copy previous scene</translation>
    </message>
    <message>
        <source>Новая сцена</source>
        <translation>New scene</translation>
    </message>
    <message>
        <source>Удалить сцену</source>
        <translation>Delete scene</translation>
    </message>
    <message>
        <source>Окно ручного управления сканера </source>
        <translation>Hand scan window </translation>
    </message>
    <message>
        <source>Запись статических картинок </source>
        <translation>Record static pictures </translation>
    </message>
    <message>
        <source>Автодобавление сцен </source>
        <translation>Auto-add scenes </translation>
    </message>
    <message>
        <source>Help </source>
        <translation>Help </translation>
    </message>
    <message>
        <source>О программе </source>
        <translation>About </translation>
    </message>
</context>
<context>
    <name>korvanel::MidiGroup</name>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 (не подключён)</source>
        <translation>%1 (not connected)</translation>
    </message>
    <message>
        <source>Вход не выбран</source>
        <translation>No input chosen</translation>
    </message>
    <message>
        <source>Выход не выбран</source>
        <translation>No output chosen</translation>
    </message>
    <message>
        <source>Вход «%1» открыт</source>
        <translation>Input “%1” is open</translation>
    </message>
    <message>
        <source>Выход «%1» открыт</source>
        <translation>Output “%1” is open</translation>
    </message>
    <message>
        <source>Вход «%1» не открывается: %2</source>
        <translation>Input “%1” cannot be opened: %2</translation>
    </message>
    <message>
        <source>Выход «%1» не открывается: %2</source>
        <translation>Output “%1” cannot be opened: %2</translation>
    </message>
    <message>
        <source>Вход «%1» не подключён: откроется, как только появится</source>
        <translation>Input “%1” is not connected: it opens as soon as it appears</translation>
    </message>
    <message>
        <source>Выход «%1» не подключён: откроется, как только появится</source>
        <translation>Output “%1” is not connected: it opens as soon as it appears</translation>
    </message>
    <message>
        <source>MIDI-контроллер</source>
        <translation>MIDI controller</translation>
    </message>
    <message>
        <source>Включить</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Фейдеры, пэды и кнопки MIDI-контроллера управляют светом</source>
        <translation>The faders, pads and buttons of a MIDI controller control the lights</translation>
    </message>
    <message>
        <source>Порт, с которого приходят сообщения контроллера</source>
        <translation>The port the controller&apos;s messages come from</translation>
    </message>
    <message>
        <source>Порт, на который уходят подсветка пэдов и положения моторизованных фейдеров</source>
        <translation>The port that gets the pad lights and the positions of motorised faders</translation>
    </message>
    <message>
        <source>Обучение: нажмите на элемент окна, затем сдвиньте или нажмите регулятор контроллера</source>
        <translation>Learn: click a control of the window, then move or press a control on the controller</translation>
    </message>
    <message>
        <source>Обучение</source>
        <translation>Learn</translation>
    </message>
    <message>
        <source>Вход</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Выключено</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>MIDI недоступен: нет файла %1 рядом с программой, переустановите её</source>
        <translation>MIDI unavailable: %1 is missing beside the program, reinstall it</translation>
    </message>
    <message>
        <source>MIDI недоступен: %1</source>
        <translation>MIDI unavailable: %1</translation>
    </message>
    <message>
        <source>MIDI недоступен: нет ни сервера JACK, ни секвенсора ALSA. Повтор раз в секунду</source>
        <translation>MIDI unavailable: there is neither a JACK server nor the ALSA sequencer. Retrying every second</translation>
    </message>
    <message>
        <source>Работает через %1</source>
        <translation>Running through %1</translation>
    </message>
    <message>
        <source>Потеряно сообщений: %1</source>
        <translation>Messages lost: %1</translation>
    </message>
    <message>
        <source>В файле привязок %1 не поняты строки %2: они не действуют, обученное в файл не записывается</source>
        <translation>Lines %2 of the bindings file %1 are not understood: they have no effect, and what is learnt is not written to the file</translation>
    </message>
    <message>
        <source>Файл привязок %1 не читается: действуют привязки по умолчанию, обученное в файл не записывается</source>
        <translation>The bindings file %1 cannot be read: the default bindings apply, and what is learnt is not written to the file</translation>
    </message>
    <message>
        <source>Привязано: %1 → %2</source>
        <translation>Bound: %1 → %2</translation>
    </message>
    <message>
        <source>Привязано до выхода из программы: %1 → %2</source>
        <translation>Bound until the program exits: %1 → %2</translation>
    </message>
    <message>
        <source>Выбрано: %1. Теперь сдвиньте или нажмите регулятор контроллера</source>
        <translation>Chosen: %1. Now move or press a control on the controller</translation>
    </message>
    <message>
        <source>Обучение: нажмите на фейдер, статическую картинку или кнопку окна</source>
        <translation>Learning: click a fader, a static picture or a button of the window</translation>
    </message>
</context>
<context>
    <name>korvanel::NameBlockCopyGroup</name>
    <message>
        <source>Имен </source>
        <translation>Names </translation>
    </message>
    <message>
        <source>С канала</source>
        <translation>First channel</translation>
    </message>
    <message>
        <source>По канал</source>
        <translation>Last channel</translation>
    </message>
    <message>
        <source>В канал</source>
        <translation>Target channel</translation>
    </message>
    <message>
        <source>Колво приборов</source>
        <translation>No. of fixtures</translation>
    </message>
    <message>
        <source>Первая цифра</source>
        <translation>First digit</translation>
    </message>
    <message>
        <source>+ Namber Name</source>
        <translation>+ Number Name</translation>
    </message>
    <message>
        <source>Отмечать первый канал</source>
        <translation>Mark first channel</translation>
    </message>
    <message>
        <source>Связать</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Выполнить копирование</source>
        <translation>Perform the copy</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source> Копирование не выполнено: Максимальное число имен &gt; 256 ! </source>
        <translation> Copy not done: maximum number of names &gt; 256 ! </translation>
    </message>
    <message>
        <source> Копирование имен остановлено: нет каналов после 255 </source>
        <translation> Name copy stopped: no channels after 255 </translation>
    </message>
</context>
<context>
    <name>korvanel::OlaGroup</name>
    <message>
        <source>
Отправлено кадров: %1</source>
        <translation>
Frames sent: %1</translation>
    </message>
    <message>
        <source>Программа собрана без библиотеки OLA (libola): вывод в OLA недоступен</source>
        <translation>The program was built without the OLA library (libola): OLA output is unavailable</translation>
    </message>
    <message>
        <source>Модуль korvanel-ola.so не загружается или он от другой версии программы: вывод в OLA недоступен, переустановите программу</source>
        <translation>The module korvanel-ola.so does not load or is from another version of the program: OLA output is unavailable, reinstall the program</translation>
    </message>
    <message>
        <source>Вывод в OLA выключен</source>
        <translation>OLA output is off</translation>
    </message>
    <message>
        <source>Подключение к демону OLA (olad, 127.0.0.1:9010)...</source>
        <translation>Connecting to the OLA daemon (olad, 127.0.0.1:9010)...</translation>
    </message>
    <message>
        <source>Демон OLA не запущен: нет olad на 127.0.0.1:9010. Повтор подключения раз в секунду</source>
        <translation>OLA daemon not running: no olad at 127.0.0.1:9010. Retrying once a second</translation>
    </message>
    <message>
        <source>Демон OLA не отвечает (остановлен или перегружен)</source>
        <translation>OLA daemon not answering (stopped or overloaded)</translation>
    </message>
    <message>
        <source>Подключено к olad, вселенная %1: проверка выходных портов...</source>
        <translation>Connected to olad, universe %1: checking output ports...</translation>
    </message>
    <message>
        <source>У вселенной %1 нет выходного порта в olad: кадры никуда не уходят. Назначьте ей порт командой ola_patch --device N --port N --universe %1 или на веб-странице OLA (http://localhost:9090)</source>
        <translation>Universe %1 has no output port in olad: frames go nowhere. Patch a port to it with ola_patch --device N --port N --universe %1 or on the OLA web page (http://localhost:9090)</translation>
    </message>
    <message>
        <source>Подключено к olad, вселенная %1 → %2</source>
        <translation>Connected to olad, universe %1 → %2</translation>
    </message>
    <message>
        <source> OLA: связь с демоном olad потеряна </source>
        <translation> OLA: connection to the olad daemon lost </translation>
    </message>
    <message>
        <source> OLA: связь с демоном olad восстановлена </source>
        <translation> OLA: connection to the olad daemon restored </translation>
    </message>
    <message>
        <source> OLA: демон olad не запущен </source>
        <translation> OLA: the olad daemon is not running </translation>
    </message>
</context>
<context>
    <name>korvanel::OptionsTab</name>
    <message>
        <source>Цвет формы</source>
        <translation>Window colour</translation>
    </message>
    <message>
        <source>Клавиатура ?</source>
        <translation>Keyboard ?</translation>
    </message>
    <message>
        <source>Состояние шины USB </source>
        <translation>USB bus state </translation>
    </message>
    <message>
        <source>Работа в DEMO режиме</source>
        <translation>Run in demo mode</translation>
    </message>
    <message>
        <source>Вывод через OLA (olad)</source>
        <translation>Output via OLA (olad)</translation>
    </message>
    <message>
        <source>Выводить кадры в OLA</source>
        <translation>Send frames to OLA</translation>
    </message>
    <message>
        <source>Каждый кадр уходит также во вселенную OLA — вместе с USB или вместо него</source>
        <translation>Each frame also goes to the OLA universe — together with USB or instead of it</translation>
    </message>
    <message>
        <source>Вселенная</source>
        <translation>Universe</translation>
    </message>
</context>
<context>
    <name>korvanel::OscGroup</name>
    <message>
        <source>Управление по OSC</source>
        <translation>OSC control</translation>
    </message>
    <message>
        <source>Включить</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Команды от планшетов и программ управления шоу по протоколу OSC (UDP)</source>
        <translation>Commands from tablets and show-control software over OSC (UDP)</translation>
    </message>
    <message>
        <source>Доступ</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>Только этот компьютер</source>
        <translation>This computer only</translation>
    </message>
    <message>
        <source>Локальная сеть</source>
        <translation>Local network</translation>
    </message>
    <message>
        <source>У OSC нет пароля: любой в сети сможет управлять светом</source>
        <translation>OSC has no password: anyone on the network can control the lights</translation>
    </message>
    <message>
        <source>Порт UDP</source>
        <translation>UDP port</translation>
    </message>
    <message>
        <source>Порт %1 занят другой программой: OSC не принимается. Выберите другой порт.</source>
        <translation>Port %1 is used by another program: OSC is not received. Choose another port.</translation>
    </message>
    <message>
        <source>Порт %1 закрыт для программы (порты до 1024 - только для администратора): OSC не принимается.</source>
        <translation>Port %1 is closed to the program (ports below 1024 are for the administrator only): OSC is not received.</translation>
    </message>
    <message>
        <source>OSC не принимается: %1</source>
        <translation>OSC is not received: %1</translation>
    </message>
    <message>
        <source>Выключено</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Принимает команды на порту UDP %1 из локальной сети</source>
        <translation>Receiving commands on UDP port %1 from the local network</translation>
    </message>
    <message>
        <source>Принимает команды на порту UDP %1 только с этого компьютера</source>
        <translation>Receiving commands on UDP port %1 from this computer only</translation>
    </message>
    <message>
        <source>Сообщений ещё не было</source>
        <translation>No messages yet</translation>
    </message>
    <message>
        <source>Последнее сообщение: %1 от %2</source>
        <translation>Last message: %1 from %2</translation>
    </message>
    <message>
        <source>Подписчиков: %1. Отброшено неверных сообщений: %2</source>
        <translation>Subscribers: %1. Bad messages ignored: %2</translation>
    </message>
</context>
<context>
    <name>korvanel::OutputModeButtons</name>
    <message>
        <source>Разрешить нормальную работу </source>
        <translation>Allow normal operation </translation>
    </message>
    <message>
        <source>Выключает все каналы DMX  Горячая кнопка = 0 = </source>
        <translation>Switches off all DMX channels  Hot key = 0 = </translation>
    </message>
    <message>
        <source>Выключает все каналы  и включает  каналы статической каркинки =M= </source>
        <translation>Switches off all channels  and switches on  the channels of static picture =M= </translation>
    </message>
</context>
<context>
    <name>korvanel::OutputMonitor</name>
    <message>
        <source>Монитор выхода DMX</source>
        <translation>DMX output monitor</translation>
    </message>
</context>
<context>
    <name>korvanel::OutputMonitorGrid</name>
    <message>
        <source>Канал DMX %1: %2 (%3 %)</source>
        <translation>DMX slot %1: %2 (%3 %)</translation>
    </message>
    <message>
        <source>Вне таблицы перекодировки: сюда выводится только пульт ручного сканирования</source>
        <translation>Outside the recoding table: only the hand-scan pad reaches it</translation>
    </message>
    <message>
        <source>Таблица перекодировки не выводит сюда ни один канал</source>
        <translation>The recoding table sends no channel here</translation>
    </message>
    <message>
        <source>Из канала шоу %1</source>
        <translation>From show channel %1</translation>
    </message>
</context>
<context>
    <name>korvanel::RateControls</name>
    <message>
        <source>Время изменения уровня выбранных каналов DMX </source>
        <translation>Fade time of the selected DMX channels </translation>
    </message>
    <message>
        <source>2 sec</source>
        <translation>2 sec</translation>
    </message>
    <message>
        <source>Время изменения уровня всех каналов DMX  в секундах</source>
        <translation>Fade time of all DMX channels  in seconds</translation>
    </message>
    <message>
        <source>Общий абсолютный уровень каналов</source>
        <translation>Common absolute level of the channels</translation>
    </message>
    <message>
        <source>Время изменения уровня DMX канала</source>
        <translation>Fade time of the DMX channel level</translation>
    </message>
</context>
<context>
    <name>korvanel::RateModeGroup</name>
    <message>
        <source>Плавность перехода  сцен </source>
        <translation>Scene  crossfade </translation>
    </message>
    <message>
        <source>Фейдера</source>
        <translation>Faders</translation>
    </message>
    <message>
        <source>Автомат</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Выкл</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>korvanel::RemoteGroup</name>
    <message>
        <source>Пульт с телефона или планшета</source>
        <translation>Phone or tablet remote</translation>
    </message>
    <message>
        <source>Включить</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Страница управления светом в браузере телефона</source>
        <translation>Lighting control page in the phone&apos;s browser</translation>
    </message>
    <message>
        <source>Доступ</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>Только этот компьютер</source>
        <translation>This computer only</translation>
    </message>
    <message>
        <source>Локальная сеть</source>
        <translation>Local network</translation>
    </message>
    <message>
        <source>Адрес этого компьютера в сети, который получит телефон</source>
        <translation>The network address of this computer that the phone will get</translation>
    </message>
    <message>
        <source>Адрес страницы с ключом доступа</source>
        <translation>Page address with the access key</translation>
    </message>
    <message>
        <source>Наведите камеру телефона</source>
        <translation>Point the phone&apos;s camera here</translation>
    </message>
    <message>
        <source>Новый ключ доступа: все подключённые телефоны отключаются</source>
        <translation>New access key: all connected phones are disconnected</translation>
    </message>
    <message>
        <source>Новый ключ</source>
        <translation>New key</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Порт %1 занят другой программой: пульт не запущен. Выберите другой порт.</source>
        <translation>Port %1 is used by another program: remote not started. Choose another port.</translation>
    </message>
    <message>
        <source>Порт %1 закрыт для программы (порты до 1024 - только для администратора): пульт не запущен.</source>
        <translation>Port %1 is closed to the program (ports below 1024 are for the administrator only): remote not started.</translation>
    </message>
    <message>
        <source>Пульт не запущен: %1</source>
        <translation>Remote not started: %1</translation>
    </message>
    <message>
        <source>Выключен</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Работает, порт %1, подключено: %2</source>
        <translation>Running, port %1, connected: %2</translation>
    </message>
</context>
<context>
    <name>korvanel::RemoteServer</name>
    <message>
        <source>нет файла %1 рядом с программой, переустановите её</source>
        <translation>no file %1 next to the program, reinstall it</translation>
    </message>
</context>
<context>
    <name>korvanel::SceneCommands</name>
    <message>
        <source>  данные сохранены </source>
        <translation>  data saved </translation>
    </message>
    <message>
        <source> данные возвращены </source>
        <translation> data restored </translation>
    </message>
    <message>
        <source>Создать новую сцену после текущей и скопировать в нее сцену </source>
        <translation>Create a new scene after the current one and copy into it scene </translation>
    </message>
    <message>
        <source> из буфера</source>
        <translation> from the buffer</translation>
    </message>
    <message>
        <source>Заменить текущую сцену Сценой </source>
        <translation>Replace the current scene with scene </translation>
    </message>
    <message>
        <source> Записать в буфер </source>
        <translation> Written to the buffer </translation>
    </message>
    <message>
        <source> Автодобавление сцен </source>
        <translation> Auto-add scenes </translation>
    </message>
    <message>
        <source> правка повторена </source>
        <translation> edit redone </translation>
    </message>
</context>
<context>
    <name>korvanel::SequencerControl</name>
    <message>
        <source>  Сцен/мин </source>
        <translation>  scenes/min </translation>
    </message>
    <message>
        <source>Шоу   = </source>
        <translation>Show  = </translation>
    </message>
    <message>
        <source>Паузa = </source>
        <translation>Pause = </translation>
    </message>
</context>
<context>
    <name>korvanel::SequencerTab</name>
    <message>
        <source>Установка времени перехода на следующую сцену</source>
        <translation>Sets the time to the next scene</translation>
    </message>
    <message>
        <source>Время в Шоу ?</source>
        <translation>Show time ?</translation>
    </message>
    <message>
        <source>Время  Паузы  </source>
        <translation>Pause  time  </translation>
    </message>
    <message>
        <source>Запустить Шоу - горячая кнопка /+/ </source>
        <translation>Start the show - hot key /+/ </translation>
    </message>
    <message>
        <source>Остановить Шоу - горячая кнопка /-/ </source>
        <translation>Stop the show - hot key /-/ </translation>
    </message>
    <message>
        <source>120 сцен/мин</source>
        <translation>120 scenes/min</translation>
    </message>
    <message>
        <source>Кольцо</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>При наличии флажка сцены повторяются по кругу безконечно</source>
        <translation>When ticked, the scenes repeat in a loop endlessly</translation>
    </message>
    <message>
        <source>Установка текущей сцены</source>
        <translation>Sets the current scene</translation>
    </message>
    <message>
        <source>Создать новую сцену после текущей</source>
        <translation>Create a new scene after the current one</translation>
    </message>
    <message>
        <source>Копировать текущую сцену в буфер</source>
        <translation>Copy the current scene to the buffer</translation>
    </message>
    <message>
        <source>Создать новую сцену после текущей и скопировать в нее сцену из буфера</source>
        <translation>Create a new scene after the current one and copy the buffer scene into it</translation>
    </message>
    <message>
        <source>Заменить текущую сцену Сценой  из буфера</source>
        <translation>Replace the current scene with the scene  from the buffer</translation>
    </message>
    <message>
        <source>Удалить текущую сцену</source>
        <translation>Delete the current scene</translation>
    </message>
    <message>
        <source>Выбор предварительной  установка начальной сцены </source>
        <translation>Choose the preset  start scene </translation>
    </message>
    <message>
        <source>Уст 1</source>
        <translation>Set 1</translation>
    </message>
    <message>
        <source>Предварительный выбор сцены</source>
        <translation>Scene preselection</translation>
    </message>
    <message>
        <source>Предварительная  установка начальной сцены </source>
        <translation>Preset  the start scene </translation>
    </message>
    <message>
        <source>Уст</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Уст </source>
        <translation>Set </translation>
    </message>
    <message>
        <source>Темп ударами: 3..8 нажатий в ритме шагов - горячая кнопка /9/ </source>
        <translation>Tap tempo: 3 to 8 taps in time with the steps - hot key /9/ </translation>
    </message>
    <message>
        <source>Тап</source>
        <translation>Tap</translation>
    </message>
</context>
<context>
    <name>korvanel::ShowFileCommands</name>
    <message>
        <source>Файлы DMX Korvanel  (*.kvl)</source>
        <translation>Korvanel DMX files  (*.kvl)</translation>
    </message>
    <message>
        <source>Файл ШОУ не найден </source>
        <translation>Show file not found </translation>
    </message>
    <message>
        <source>%1 — не файл, его нельзя открыть как Шоу</source>
        <translation>%1 is not a file; it cannot be opened as a show</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1
%2</source>
        <translation>Could not open file %1
%2</translation>
    </message>
    <message>
        <source>Ошибка чтения файла %1
%2</source>
        <translation>Error reading file %1
%2</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1
%2</source>
        <translation>Could not write file %1
%2</translation>
    </message>
    <message>
        <source>Сохранить Шоу как ...</source>
        <translation>Save show as ...</translation>
    </message>
    <message>
        <source> Нет имени файла </source>
        <translation> No file name </translation>
    </message>
    <message>
        <source>Сохранить изменения в новом шоу?</source>
        <translation>Save changes to the new show?</translation>
    </message>
    <message>
        <source>Сохранить изменения в шоу «%1»?</source>
        <translation>Save changes to the show “%1”?</translation>
    </message>
    <message>
        <source> Правки шоу не сохранены: нет папки автосохранения </source>
        <translation> Show edits not saved: no autosave folder </translation>
    </message>
    <message>
        <source> Несохранённые правки шоу записаны в %1 </source>
        <translation> Unsaved show edits written to %1 </translation>
    </message>
    <message>
        <source> Правки шоу не сохранены: </source>
        <translation> Show edits not saved: </translation>
    </message>
    <message>
        <source>%1 не загружен</source>
        <translation>%1 not loaded</translation>
    </message>
    <message>
        <source>Создать новое ШОУ?</source>
        <translation>Create a new show?</translation>
    </message>
    <message>
        <source>Открыть Шоу</source>
        <translation>Open show</translation>
    </message>
    <message>
        <source>Автосохранение файла </source>
        <translation>Autosave of file </translation>
    </message>
    <message>
        <source>Файл ШОУ не найден: %1</source>
        <translation>Show file not found: %1</translation>
    </message>
</context>
<context>
    <name>korvanel::StaticPicturesGroup</name>
    <message>
        <source> Статические картинки </source>
        <translation> Static pictures </translation>
    </message>
    <message>
        <source>Запрограммированая статическая картинка - Горячая кнопка =%1= </source>
        <translation>Programmed static picture - Hot key =%1= </translation>
    </message>
    <message>
        <source>прбел</source>
        <translation>Space</translation>
    </message>
</context>
<context>
    <name>korvanel::UsbLinkPanel</name>
    <message>
        <source>Нет прав на доступ к интерфейсу USB: нужно правило udev 60-korvanel-ftdi.rules (ставится с программой), затем переподключите интерфейс</source>
        <translation>No permission to access the USB interface: the udev rule 60-korvanel-ftdi.rules is needed (installed with the program), then reconnect the interface</translation>
    </message>
    <message>
        <source>Интерфейс USB занят другой программой или драйвером: закройте её и переподключите интерфейс</source>
        <translation>The USB interface is busy with another program or driver: close it and reconnect the interface</translation>
    </message>
    <message>
        <source>Интерфейс USB не открывается: нет прав на доступ или он занят. Нужно правило udev 60-korvanel-ftdi.rules (ставится с программой); закройте другие программы и переподключите интерфейс</source>
        <translation>The USB interface does not open: no access permission, or it is busy. The udev rule 60-korvanel-ftdi.rules is needed (installed with the program); close other programs and reconnect the interface</translation>
    </message>
    <message>
        <source>Ошибка записи в интерфейс — повторное подключение</source>
        <translation>Interface write error — reconnecting</translation>
    </message>
    <message>
        <source>Библиотека USB: %1</source>
        <translation>USB library: %1</translation>
    </message>
    <message>
        <source>Нет USB устройствa </source>
        <translation>No USB devices </translation>
    </message>
    <message>
        <source>Устройств на шине USB = %1</source>
        <translation>Devices on the USB bus = %1</translation>
    </message>
    <message>
        <source>серийный номер = %1</source>
        <translation>serial number = %1</translation>
    </message>
    <message>
        <source>Ошибка Handle...</source>
        <translation>Handle error...</translation>
    </message>
    <message>
        <source>Устройство не найдено....</source>
        <translation>Device not found....</translation>
    </message>
    <message>
        <source>Устройство не открывается...</source>
        <translation>Device does not open...</translation>
    </message>
    <message>
        <source>Ошибка ввода-вывода...</source>
        <translation>I/O error...</translation>
    </message>
    <message>
        <source>Не хватает ресурсов...</source>
        <translation>Out of resources...</translation>
    </message>
    <message>
        <source>Неверный параметр ...</source>
        <translation>Invalid parameter ...</translation>
    </message>
    <message>
        <source>Интерфейс отключен от компьютера  - %1</source>
        <translation>Interface disconnected from the computer  - %1</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the library call that failed, then what went wrong</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>записано %1 из %2 байт</source>
        <translation>%1 of %2 bytes written</translation>
    </message>
    <message>
        <source>код ошибки %1</source>
        <translation>error code %1</translation>
    </message>
    <message>
        <source>Библиотека %1 не загружается: %2</source>
        <comment>%2: the system loader&apos;s own words</comment>
        <translation>Library %1 does not load: %2</translation>
    </message>
    <message>
        <source>Библиотека %1 не используется: в ней нет функции %2</source>
        <translation>Library %1 is not used: it lacks the function %2</translation>
    </message>
    <message>
        <source>Ошибка записи в интерфейс — повторное подключение - %1</source>
        <translation>Interface write error — reconnecting - %1</translation>
    </message>
    <message>
        <source>Сбоев записи в интерфейс: %1, последний - %2</source>
        <translation>Interface write faults: %1, the last - %2</translation>
    </message>
</context>
<context>
    <name>korvanel::WindowColorGroup</name>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Вкл. цвет</source>
        <translation>Colour on</translation>
    </message>
    <message>
        <source>Менять цвет авто</source>
        <translation>Auto colour change</translation>
    </message>
</context>
</TS>
