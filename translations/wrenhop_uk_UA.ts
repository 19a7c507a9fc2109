<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Оновлення програми</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Триває завантаження інсталяційних файлів.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Програму вже запущено</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Програму Cartaline вже запущено.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Помилка оновлення програми</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Немає підключення до мережі. 
Продовжити оновлення неможливо.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Перевірте налаштування мережі (зокрема мережевий кабель і маршрутизатор), брандмауера та антивірусної програми й повторіть спробу.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Помилка оновлення програми</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Не вдалося знайти файл оновлення.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Повторіть спробу пізніше.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Якщо проблема не зникне, зверніться до служби підтримки клієнтів.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Перейти на вебсайт служби підтримки клієнтів</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Зупинення оновлення</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Зупинити оновлення зараз?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Якщо зупинити оновлення, програму Cartaline буде автоматично закрито.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Помилка оновлення програми</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Не вдалося оновити програму Cartaline.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Повторити спробу?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Програма Cartaline готова до оновлення.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Щоб дозволити цю зміну, введіть пароль.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Ім’я користувача</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Помилка оновлення програми</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Немає підключення до мережі. 
Продовжити оновлення неможливо.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Перевірте налаштування мережі (зокрема мережевий кабель і маршрутизатор), брандмауера 
та антивірусної програми й повторіть спробу.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Помилка оновлення програми</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Не вдалося оновити програму.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Повторіть спробу пізніше.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Якщо проблема не зникне, зверніться до служби підтримки клієнтів.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Перейти на вебсайт служби підтримки клієнтів</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
